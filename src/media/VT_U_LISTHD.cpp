#include "media/VT_U_LISTHD.h"

#include "app/VT_U1.h"

namespace vt {

TForm5::TForm5(TForm1* form1) : QDialog(form1), form1_(form1)
{
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(QStringLiteral("Vantaro - Lista titoli del Media selezionato"));
    setModal(true);
    resize(640, 420);
}

} // namespace vt
