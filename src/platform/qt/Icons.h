#pragma once
// The program's pictures: small SVGs of its own, and the image lists the
// windows index into.
#include <QIcon>
#include <QList>
#include <QString>

namespace vt {

QIcon VtIcon(const QString& name);

// File (0) and folder (1) pictures of the copy lists; state pictures of the
// shell list: 2 found in the archive, 3 differs from the archive, 4 found on
// the medium, 5 differs from the medium.
QList<QIcon> ImageList3();
// Copy states: 0 waiting, 1 being copied, 2 copied, 3 failed, 4 skipped.
QList<QIcon> ImageList2();
// Space marks of the destination lists: 0 enough room, 1 not enough.
QList<QIcon> ImageList1();
// Window-size menu: 0 lower half, 1 upper half, 2 whole.
QList<QIcon> ImageList4();

} // namespace vt
