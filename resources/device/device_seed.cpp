#include "device_seed.h"

#include "device.h"
#include "device_seed_files.h"

const char16_t kStarterPuzzlePath[] = u"\\My Documents\\Welcome.puz";

void RegisterDeviceSeedFiles()
{
    DeviceSeedFile(kStarterPuzzlePath, kAsset_welcome_puz, kAsset_welcome_puz_size);
}
