#include "simple_results/SimpleDataFile.h"
#include "shared/SetBlocks.h"

namespace reflex {

FileDialogRequest simpleDataDialog()
{
    // A name typed without an extension gets the filter's, .nrm; the dialog opens in the
    // current folder.
    return FileDialogRequest{QStringLiteral("Normal Reflex Data Files"),
                             QStringLiteral("Reflex Data Files (*.nrm)|*.nrm"),
                             QStringLiteral("*.nrm"), QString(), QStringLiteral("nrm")};
}

FileCommand saveSimpleFile(FileChooser& files, Prompt& prompt, const SetData& store)
{
    return saveDataFile(files, prompt, simpleDataDialog(),
                        [&store](ValueWriter& out) { return writeSimpleSets(out, store); });
}

FileCommand loadSimpleFile(FileChooser& files, Prompt& prompt, SetData& store)
{
    return loadDataFile(files, prompt, simpleDataDialog(), store,
                        [](ValueReader& in, SetData& copy) { return readSimpleSets(in, copy); });
}

} // namespace reflex
