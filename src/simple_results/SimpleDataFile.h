#pragma once
// The .nrm data file: the simple store's ten set sections (SetBlocks.h), 140 lines, no
// header. Save and Load are the shared data-file commands of DataFile.h with this dialog.

#include "platform/FileChooser.h"
#include "platform/Prompt.h"
#include "shared/DataFile.h"
#include "shared/Stores.h"

namespace reflex {

FileDialogRequest simpleDataDialog();
FileCommand saveSimpleFile(FileChooser& files, Prompt& prompt, const SetData& store);
FileCommand loadSimpleFile(FileChooser& files, Prompt& prompt, SetData& store);

} // namespace reflex
