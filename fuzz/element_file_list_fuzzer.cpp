// Elements.cfg, the list of element files of the station folder.
#include "data/element_file_list.h"
#include "scratch_folder.h"

#include <QString>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    orvanta::fuzz::writeScratchFile("Elements.cfg", data, size);
    const QStringList names = orvanta::readElementFileList(QString::fromStdString(orvanta::fuzz::scratchFolder()));
    for (const QString &name : names) {
        if (name.isEmpty())
            std::abort(); // empty fields name no file
    }
    return 0;
}
