#include "gui/spin_edit.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <algorithm>
#include <charconv>
#include <climits>

TSpinEdit::TSpinEdit(QWidget* parent)
    : QAbstractSpinBox(parent) {
    SetValue(0);
}

int TSpinEdit::Value() const {
    QByteArray digits = text().toLatin1();
    const bool plus = digits.startsWith('+');
    if (plus) {
        digits.remove(0, 1);
    }
    if (digits.isEmpty() || (plus && digits.startsWith('-'))) {
        return minValue_;
    }
    const char* first = digits.constData();
    const char* last = first + digits.size();
    int value = 0;
    const auto [end, error] = std::from_chars(first, last, value);
    return error == std::errc() && end == last ? value : minValue_;
}

void TSpinEdit::SetValue(int value) {
    if (minValue_ != maxValue_) {
        if (value < minValue_) {
            value = minValue_;
        } else if (value > maxValue_) {
            value = maxValue_;
        }
    }
    lineEdit()->setText(QString::number(value));
}

bool TSpinEdit::IsValidChar(QChar c) const {
    return (c >= u'0' && c <= u'9') || c == u'+' || c == u'-' ||
           QLocale().decimalPoint() == QString(c);
}

QValidator::State TSpinEdit::validate(QString& input, int&) const {
    for (const QChar c : input) {
        if (!IsValidChar(c)) {
            return QValidator::Invalid;
        }
    }
    return QValidator::Acceptable;
}

void TSpinEdit::fixup(QString&) const {}

void TSpinEdit::stepBy(int steps) {
    const long long next = static_cast<long long>(Value()) + steps;
    SetValue(static_cast<int>(std::clamp<long long>(next, INT_MIN, INT_MAX)));
}

QAbstractSpinBox::StepEnabled TSpinEdit::stepEnabled() const {
    return StepUpEnabled | StepDownEnabled;
}

void TSpinEdit::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
        stepBy(event->key() == Qt::Key_Up ? 1 : -1);
        event->accept();
        return;
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        event->ignore();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        QApplication::beep();
        event->accept();
        return;
    default:
        break;
    }
    // Control keys (Backspace, Ctrl+V, ...) pass; so does Delete, which
    // types nothing.
    const bool controlKey = event->modifiers().testFlag(Qt::ControlModifier);
    for (const QChar c : event->text()) {
        if (!controlKey && c.unicode() >= 32 && c.unicode() != 127 && !IsValidChar(c)) {
            QApplication::beep();
            event->accept();
            return;
        }
    }
    QAbstractSpinBox::keyPressEvent(event);
}

void TSpinEdit::focusOutEvent(QFocusEvent* event) {
    QAbstractSpinBox::focusOutEvent(event);
    // Switching to another program or opening a menu leaves the box the
    // window's focused control: that is no exit.
    if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason) {
        emit Exit();
    }
}

void TSpinEdit::wheelEvent(QWheelEvent* event) {
    event->ignore();
}
