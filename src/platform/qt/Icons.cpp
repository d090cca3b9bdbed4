#include "platform/qt/Icons.h"

#include <QtGlobal>

// The pictures are compiled into the GUI library; a static library's
// resources must be registered by hand before the first use.
static void InitVantaroResources() { Q_INIT_RESOURCE(vantaro); }

namespace vt {

QIcon VtIcon(const QString& name)
{
    static const bool registered = (InitVantaroResources(), true);
    (void)registered;
    return QIcon(QStringLiteral(":/icons/") + name + QStringLiteral(".svg"));
}

namespace {
QList<QIcon> List(std::initializer_list<const char*> names)
{
    QList<QIcon> out;
    for (const char* n : names)
        out.append(VtIcon(QString::fromLatin1(n)));
    return out;
}
} // namespace

QList<QIcon> ImageList3() { return List({"file", "folder", "db_eq", "db_red", "disk_eq", "disk_red"}); }
QList<QIcon> ImageList2() { return List({"st_wait", "st_copying", "st_done", "st_failed", "st_skipped"}); }
QList<QIcon> ImageList1() { return List({"smile", "sad"}); }
QList<QIcon> ImageList4() { return List({"win_lower", "win_upper", "win_full"}); }

} // namespace vt
