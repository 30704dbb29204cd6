// ImageStore: holders in the order added; lookups walk them all.
#include "ImageStore.h"

#include "core/Sequence.h"

namespace Nevo {

ImageStore::ImageStore() : m_images(Sequence::makeSequence()) {}

ImageStore::~ImageStore() {
    while (!m_images->isEmpty())
        delete static_cast<ImageHolder*>(m_images->pop());
    m_images->free();
}

void ImageStore::addImage(ImageHolder* holder) {
    for (Position* at = m_images->first(); at; at = m_images->after(at)) {
        auto* old = static_cast<ImageHolder*>(at->element());
        if (old->getId() == holder->getId() && old->getWidth() == holder->getWidth()) {
            m_images->remove(at);
            delete old;
            break;
        }
    }
    m_images->insertLast(holder);
}

ImageHolder* ImageStore::getImage(int id, int size) const {
    ImageHolder* best = nullptr;
    for (Position* at = m_images->first(); at; at = m_images->after(at)) {
        auto* holder = static_cast<ImageHolder*>(at->element());
        if (holder->getId() != id || holder->getWidth() > size)
            continue;
        if (!best || holder->getWidth() > best->getWidth())
            best = holder;
    }
    return best;
}

}  // namespace Nevo
