#pragma once
#include <QDialog>

namespace vt {

class TForm1;

// The titles of the medium scanned last.
class TForm5 : public QDialog {
    Q_OBJECT
public:
    explicit TForm5(TForm1* form1);

private:
    TForm1* form1_;
};

} // namespace vt
