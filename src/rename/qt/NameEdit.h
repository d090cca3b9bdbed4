#pragma once
// An edit for a file name that keeps the name as the bytes the file system
// gave. A name that is not valid UTF-8 is shown with replacement characters;
// as long as the user does not type in it, Name() still returns the original
// bytes, so a tool that changes one part of the name leaves the rest intact.
// The selection is also read and set in bytes of Name(), the positions the
// rename tools work with.
#include <QLineEdit>
#include <string>

namespace vt {

class NameEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit NameEdit(QWidget* parent = nullptr);

    void SetName(const std::string& name);
    std::string Name() const;

    // Bytes before the selection (before the caret when nothing is
    // selected) and bytes selected.
    int SelStartBytes() const;
    int SelLengthBytes() const;
    std::string SelectedBytes() const;
    // Selects `length` bytes from `start`; length 0 puts the caret there.
    void SetSelectionBytes(int start, int length);

    // Select the whole text when the focus arrives other than by a mouse
    // click (or by the window becoming active again, which keeps the
    // user's selection after a message box).
    void SetAutoSelect(bool on) { autoSelect_ = on; }
    // Keep the selection when the focus leaves, so that a button pressed
    // afterwards still finds it.
    void SetKeepSelection(bool on) { keepSelection_ = on; }

protected:
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    bool Pristine() const { return text() == shown_; }
    int BytesBefore(int chars) const;
    int CharsBefore(int bytes) const;

    std::string bytes_;
    QString shown_;
    bool autoSelect_ = false;
    bool keepSelection_ = false;
};

} // namespace vt
