#pragma once
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>

namespace vt {

class TForm1;

// The picture view of the details window: a JPEG shown scaled to fit, its
// proportions kept, centred.
class PictureView : public QLabel {
    Q_OBJECT
public:
    explicit PictureView(QWidget* parent = nullptr);
    // Throws PlatformError with the reader's text when the file cannot be
    // decoded; the view is then unchanged.
    void LoadFromFile(const std::string& path);
    void ClearPicture();
    bool HasPicture() const { return !picture_.isNull(); }

protected:
    void resizeEvent(QResizeEvent* e) override;

private:
    void Rescale();
    QPixmap picture_;
};

// Details of one archive title with its cover picture. It has no logic of
// its own: ShowFilmDetails fills and shows it.
class TForm4 : public QDialog {
    Q_OBJECT
public:
    explicit TForm4(TForm1* form1);

    QLineEdit* DBEDtitolo;
    QLineEdit* DBEDgenere;
    QLineEdit* DBEDdurata;
    QLineEdit* DBEDdatau;
    QLineEdit* DBEDdataa;
    QLineEdit* DBEDattore1;
    QLineEdit* DBEDattore2;
    QLineEdit* DBEDregia;
    QLineEdit* DBEDposizione;
    QLineEdit* DBEDdimmb;
    QPlainTextEdit* DBMtrama;
    PictureView* DBJPGcover;

private:
    TForm1* form1_;
};

// Fills the details window from record n of the archive, sets its picture
// (cover, else poster) and shows it modally. A picture that cannot be
// decoded throws PlatformError before the window is shown.
void ShowFilmDetails(TForm1& form1, int n);

} // namespace vt
