#pragma once

#include "browse/directory_rows.h"
#include "platform/volume.h"

#include <QIcon>
#include <QPixmap>

namespace quorrin::ui {

// The small pictures of the directory list (16 x 15) and of the drive
// selector's RAM disk row (16 x 11), drawn here in the sixteen classic
// colours like the program's icon: a closed folder for a subdirectory, an
// open one for the root and the folders on the way down, and an open one
// holding a sheet for the folder whose files are listed.
QPixmap folderGlyph(browse::DirectoryRowKind kind);
QPixmap ramDiskGlyph();

} // namespace quorrin::ui
