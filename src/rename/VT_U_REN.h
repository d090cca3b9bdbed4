#pragma once
#include <QDialog>

namespace vt {

class TForm1;

// Single rename dialog: renames one item of the shell list in place.
class TForm2 : public QDialog {
    Q_OBJECT
public:
    explicit TForm2(TForm1* form1);

private:
    TForm1* form1_;
};

} // namespace vt
