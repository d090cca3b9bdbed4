#include "archive/VT_U_DETT_DB.h"

#include "app/VT_U1.h"

namespace vt {

TForm4::TForm4(TForm1* form1) : QDialog(form1), form1_(form1)
{
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("Vantaro - Dettagli titolo in Database"));
    setModal(true);
    resize(640, 420);
}

} // namespace vt
