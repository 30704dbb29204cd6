// Registration of one engine's benchmarks under names that pair with the other engine's.
#include "BenchSuite.h"

#include <algorithm>

namespace bench {

void registerEngine(const EngineBenchmarks& engine, std::uint32_t count) {
    auto name = [&](const char* operation, const char* order) {
        std::string text = std::string(engine.engine) + "/" + operation + "/";
        if (order) text += std::string(order) + "/";
        return text + sizeName(count);
    };
    auto add = [&](const char* operation, const char* order, Benchmark function, bool flag) {
        return benchmark::RegisterBenchmark(name(operation, order).c_str(), function, count, flag);
    };
    for (bool byName : {false, true}) {
        const char* order = orderName(byName);
        add("OpenCold", order, engine.openCold, byName)
            ->Iterations(coldOpenIterations(count))
            ->Unit(benchmark::kMillisecond);
        add("OpenWarm", order, engine.openWarm, byName);
        add("SeekIndex", order, engine.seekIndex, byName);
        add("SeekValue", order, engine.seekValue, byName);
        add("StepRead", order, engine.stepRead, byName)->Iterations(std::min(count, c_stepSlice));
        if (engine.stepOnly) add("StepOnly", order, engine.stepOnly, byName)->Iterations(std::min(count, c_stepSlice));
    }
    add("Add", nullptr, engine.change, true)->Iterations(c_changeCount);
    add("Delete", nullptr, engine.change, false)->Iterations(c_changeCount);
}

}  // namespace bench
