#include "archive/VT_U_LISTDB.h"

#include "app/VT_U1.h"

namespace vt {

TForm3::TForm3(TForm1* form1) : QDialog(form1), form1_(form1)
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Vantaro - Dettagli comparazione parametri titoli"));
    setModal(true);
    resize(640, 420);
}

} // namespace vt
