#pragma once

#include <QIcon>
#include <QPixmap>

// The program's artwork, drawn by the program itself at the sizes the windows are laid out for.
// One palette and one type face give the whole program a calm, consistent look.
namespace Artwork {

// The picture with this id (see PictureIds.h); a null pixmap for an unknown id.
QPixmap Picture(int id);
QIcon ProgramIcon();
// The small Undo button's icon, or with `redo` the Redo button's.
QIcon UndoIcon(bool redo);

}  // namespace Artwork
