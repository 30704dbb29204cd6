export CE_SCREEN=vga
