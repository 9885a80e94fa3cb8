#pragma once

#include <QAbstractSpinBox>

// `TSpinEdit`, our spin edit on Qt's QAbstractSpinBox, with these rules:
// - Value() is the whole number the text reads as, or MinValue() when the
//   text is no whole number (empty, a lone sign, a decimal point, too long);
// - SetValue() writes decimal text, first bringing the value within the
//   bounds whenever MinValue() and MaxValue() differ;
// - changing a bound leaves the text and so the value alone;
// - typing takes digits, "+", "-", the decimal separator and control keys;
//   any other character, Enter included, is refused with a beep;
// - Up, Down and the spin arrows change the value by 1 through SetValue();
// - leaving the box does not touch the text: it only emits Exit().
// Screen readers see the value and the bounds through the lower-case
// properties, which Qt's accessible spin box reads.
class TSpinEdit final : public QAbstractSpinBox {
    Q_OBJECT
    Q_PROPERTY(int MinValue READ MinValue WRITE SetMinValue)
    Q_PROPERTY(int MaxValue READ MaxValue WRITE SetMaxValue)
    Q_PROPERTY(int Value READ Value WRITE SetValue)
    Q_PROPERTY(int value READ Value WRITE SetValue)
    Q_PROPERTY(int minimum READ MinValue WRITE SetMinValue)
    Q_PROPERTY(int maximum READ MaxValue WRITE SetMaxValue)

public:
    explicit TSpinEdit(QWidget* parent = nullptr);

    int MinValue() const { return minValue_; }
    int MaxValue() const { return maxValue_; }
    void SetMinValue(int value) { minValue_ = value; }
    void SetMaxValue(int value) { maxValue_ = value; }

    int Value() const;
    void SetValue(int value);

    QValidator::State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;
    void stepBy(int steps) override;

signals:
    // The box lost the keyboard focus to another control of its window.
    void Exit();

protected:
    StepEnabled stepEnabled() const override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    bool IsValidChar(QChar c) const;

    int minValue_ = 0;
    int maxValue_ = 0;
};
