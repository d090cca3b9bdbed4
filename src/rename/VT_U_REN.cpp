#include "rename/VT_U_REN.h"

#include "app/VT_U1.h"

namespace vt {

TForm2::TForm2(TForm1* form1) : QDialog(form1), form1_(form1)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Vantaro - Rinomina singola"));
    setModal(true);
    resize(640, 420);
}

} // namespace vt
