#pragma once
#include <QDialog>

namespace vt {

class TForm1;

// Assisted rename of all video files of a folder.
class TForm6 : public QDialog {
    Q_OBJECT
public:
    explicit TForm6(TForm1* form1);

private:
    TForm1* form1_;
};

} // namespace vt
