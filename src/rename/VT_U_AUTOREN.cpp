#include "rename/VT_U_AUTOREN.h"

#include "app/VT_U1.h"

namespace vt {

TForm6::TForm6(TForm1* form1) : QDialog(form1), form1_(form1)
{
    setObjectName(QStringLiteral("Form6"));
    setWindowTitle(QStringLiteral("Vantaro - Rinomina Assistita Titoli"));
    setModal(true);
    resize(640, 420);
}

} // namespace vt
