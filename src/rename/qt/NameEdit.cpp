#include "rename/qt/NameEdit.h"

#include <QFocusEvent>
#include <algorithm>

#include "platform/qt/QtUiServices.h"

namespace vt {

NameEdit::NameEdit(QWidget* parent) : QLineEdit(parent) {}

void NameEdit::SetName(const std::string& name)
{
    bytes_ = name;
    shown_ = PathToQ(name);
    setText(shown_);
}

std::string NameEdit::Name() const { return Pristine() ? bytes_ : PathFromQ(text()); }

int NameEdit::BytesBefore(int chars) const
{
    chars = std::clamp(chars, 0, static_cast<int>(text().size()));
    if (!Pristine())
        return static_cast<int>(PathFromQ(text().left(chars)).size());
    // The shortest byte prefix that shows as the first `chars` characters.
    QString want = shown_.left(chars);
    for (std::size_t b = 0; b <= bytes_.size(); ++b)
        if (PathToQ(bytes_.substr(0, b)) == want)
            return static_cast<int>(b);
    return static_cast<int>(std::min(PathFromQ(want).size(), bytes_.size()));
}

int NameEdit::CharsBefore(int bytes) const
{
    std::string name = Name();
    bytes = std::clamp(bytes, 0, static_cast<int>(name.size()));
    return static_cast<int>(PathToQ(name.substr(0, static_cast<std::size_t>(bytes))).size());
}

int NameEdit::SelStartBytes() const
{
    int start = hasSelectedText() ? selectionStart() : cursorPosition();
    return BytesBefore(start);
}

int NameEdit::SelLengthBytes() const
{
    if (!hasSelectedText())
        return 0;
    return BytesBefore(selectionStart() + selectionLength()) - BytesBefore(selectionStart());
}

std::string NameEdit::SelectedBytes() const
{
    std::string name = Name();
    return name.substr(static_cast<std::size_t>(SelStartBytes()), static_cast<std::size_t>(SelLengthBytes()));
}

void NameEdit::SetSelectionBytes(int start, int length)
{
    int from = CharsBefore(start);
    if (length <= 0) {
        deselect();
        setCursorPosition(from);
        return;
    }
    setSelection(from, CharsBefore(start + length) - from);
}

void NameEdit::focusInEvent(QFocusEvent* e)
{
    QLineEdit::focusInEvent(e);
    Qt::FocusReason r = e->reason();
    if (autoSelect_ && r != Qt::MouseFocusReason && r != Qt::ActiveWindowFocusReason && r != Qt::PopupFocusReason)
        selectAll();
}

void NameEdit::focusOutEvent(QFocusEvent* e)
{
    if (!keepSelection_ || !hasSelectedText()) {
        QLineEdit::focusOutEvent(e);
        return;
    }
    int start = selectionStart();
    int length = selectionLength();
    QLineEdit::focusOutEvent(e);
    setSelection(start, length);
}

} // namespace vt
