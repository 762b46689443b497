// The game's help page, seeded into a new device's "\Windows" folder.
#include "device.h"
#include "dialog_resources.h"

void RegisterHelpPages()
{
    DeviceSeedFile(u"\\Windows\\Quorvale.htm", kAsset_Quorvale_htm, kAsset_Quorvale_htm_size);
}
