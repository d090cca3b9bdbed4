#pragma once
#include <QDialog>

namespace vt {

class TForm1;

// Comparison of the checked files with the titles they matched.
class TForm3 : public QDialog {
    Q_OBJECT
public:
    explicit TForm3(TForm1* form1);

private:
    TForm1* form1_;
};

} // namespace vt
