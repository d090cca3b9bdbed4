#pragma once
#include <QDialog>

namespace vt {

class TForm1;

// Details of one archive title with its cover picture.
class TForm4 : public QDialog {
    Q_OBJECT
public:
    explicit TForm4(TForm1* form1);

private:
    TForm1* form1_;
};

} // namespace vt
