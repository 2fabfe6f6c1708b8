#include "WriteHeadPicture.h"

#include "BmpBuilder.h"

void WriteHeadPicture(const ScratchFolder& folder, int height) {
    BmpBuilder head;
    head.width = 1000;
    head.height = height;
    folder.Write("Platform\\WorkspaceHead.bmp", head.File());
}
