#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QLocale>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <memory>

#include "gui/widgets/decimal_edit.h"
#include "gui/widgets/decimal_separator.h"
#include "gui/widgets/integer_edit.h"
#include "gui/widgets/integer_spin_box.h"
#include "gui/widgets/key_filter.h"
#include "gui/widgets/pocket_calculator_popup.h"
#include "gui/support/scripted_dialogs.h"

using quillux::gui::DecimalEdit;
using quillux::gui::DecimalSeparator;
using quillux::gui::IntegerEdit;
using quillux::gui::IntegerSpinBox;
using quillux::gui::KeyFilter;
using quillux::gui::KeyFilterKind;

Q_DECLARE_METATYPE(KeyFilterKind)

namespace {

// One key of a typed sequence: the key and its modifiers. Printable characters come from
// QTest::keyClicks; these are for the keys that need a key code.
struct Key {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
};

void SetRegionalSettings(QLocale::Language language, QLocale::Territory territory) {
    QLocale::setDefault(QLocale(language, territory));
    QEvent change(QEvent::LocaleChange);
    QCoreApplication::sendEvent(QCoreApplication::instance(), &change);
}

}  // namespace

Q_DECLARE_METATYPE(QList<Key>)

class NumericBoxesTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void keyFilterLetsThroughItsSetOnly_data();
    void keyFilterLetsThroughItsSetOnly();
    void blockingFilterLeavesAListToItsDropDown();
    void filterAlsoSeesComposedText();

    void decimalTypingRules_data();
    void decimalTypingRules();
    void emptyBoxReadsZeroAndShowsItsEmptyText();
    void focusOutRoundsToTheDecimalPlaces_data();
    void focusOutRoundsToTheDecimalPlaces();
    void fullAccuracyKeepsTheExactValueWhileTheTextIsItsRoundedForm();
    void commaRegionKeypadTypesCommaAndBoxesFollowTheChange();
    void resultBoxHasItsOwnColour();
    void zeroPaddingFillsTheMaximumLength();
    void calculatorWritesItsResultIntoTheBox();

    void positiveIntegerBoxKeepsAValueOutsideItsBounds();
    void spinBoxBringsATypedValueToTheNearerBound_data();
    void spinBoxBringsATypedValueToTheNearerBound();
    void spinBoxArrowsStopAtTheBounds();
    void spinBoxZeroPadding();

private:
    // A shown, active window with the box under test and a second box to move the focus to.
    template <typename Box>
    Box* showBox(Box* box);
    void leaveBox();

    std::unique_ptr<QWidget> window_;
    QLineEdit* other_ = nullptr;
    std::unique_ptr<quillux::testing::ScriptedDialogs> dialogs_;
};

void NumericBoxesTest::init() {
    dialogs_ = std::make_unique<quillux::testing::ScriptedDialogs>();
    SetRegionalSettings(QLocale::English, QLocale::UnitedStates);
    window_ = std::make_unique<QWidget>();
    new QVBoxLayout(window_.get());
    other_ = new QLineEdit(window_.get());
    other_->setObjectName(QStringLiteral("Other"));
    window_->layout()->addWidget(other_);
}

void NumericBoxesTest::cleanup() {
    window_.reset();
    dialogs_.reset();
}

template <typename Box>
Box* NumericBoxesTest::showBox(Box* box) {
    box->setParent(window_.get());
    static_cast<QVBoxLayout*>(window_->layout())->insertWidget(0, box);
    window_->show();
    QApplication::setActiveWindow(window_.get());
    if (!QTest::qWaitForWindowActive(window_.get())) qWarning("window not active");
    box->setFocus(Qt::OtherFocusReason);
    return box;
}

void NumericBoxesTest::leaveBox() {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
}

void NumericBoxesTest::keyFilterLetsThroughItsSetOnly_data() {
    QTest::addColumn<KeyFilterKind>("kind");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QList<Key>>("keys");
    QTest::addColumn<QString>("expected");

    const auto standard = KeyFilterKind::StandardNumeric;
    const auto controlOnly = KeyFilterKind::ControlOnly;
    QTest::newRow("standard: digits and both separators") << standard << "" << "1.5,0" << QList<Key>{} << "1.5,0";
    QTest::newRow("standard: a letter changes nothing") << standard << "12" << "a" << QList<Key>{} << "12";
    QTest::newRow("standard: a minus changes nothing") << standard << "12" << "-" << QList<Key>{} << "12";
    QTest::newRow("standard: space, plus, star dropped") << standard << "" << " +*7" << QList<Key>{} << "7";
    QTest::newRow("standard: backspace") << standard << "12" << "" << QList<Key>{{Qt::Key_Backspace}} << "1";
    QTest::newRow("standard: ctrl+a selects all") << standard << "12" << "" << QList<Key>{{Qt::Key_A, Qt::ControlModifier}, {Qt::Key_9}} << "9";
    QTest::newRow("standard: ctrl+x then ctrl+v") << standard << "12" << "" << QList<Key>{{Qt::Key_A, Qt::ControlModifier}, {Qt::Key_X, Qt::ControlModifier}, {Qt::Key_V, Qt::ControlModifier}, {Qt::Key_V, Qt::ControlModifier}} << "1212";
    QTest::newRow("standard: ctrl+z undoes") << standard << "12" << "3" << QList<Key>{{Qt::Key_Z, Qt::ControlModifier}} << "12";
    QTest::newRow("standard: other control keys dropped") << standard << "12" << "" << QList<Key>{{Qt::Key_A, Qt::ControlModifier}, {Qt::Key_K, Qt::ControlModifier}} << "12";
    QTest::newRow("standard: arrows, home and delete work") << standard << "123" << "" << QList<Key>{{Qt::Key_Left}, {Qt::Key_Backspace}, {Qt::Key_Home}, {Qt::Key_Delete}} << "3";
    QTest::newRow("control only: digits dropped") << controlOnly << "12" << "5.," << QList<Key>{} << "12";
    QTest::newRow("control only: backspace") << controlOnly << "12" << "" << QList<Key>{{Qt::Key_Backspace}} << "1";
    QTest::newRow("control only: cut") << controlOnly << "12" << "" << QList<Key>{{Qt::Key_A, Qt::ControlModifier}, {Qt::Key_X, Qt::ControlModifier}} << "";
    QTest::newRow("control only: delete works") << controlOnly << "12" << "" << QList<Key>{{Qt::Key_Home}, {Qt::Key_Delete}} << "2";
    QTest::newRow("blocking: backspace dropped") << KeyFilterKind::Blocking << "12" << "3" << QList<Key>{{Qt::Key_Backspace}} << "12";
}

void NumericBoxesTest::keyFilterLetsThroughItsSetOnly() {
    QFETCH(KeyFilterKind, kind);
    QFETCH(QString, start);
    QFETCH(QString, typed);
    QFETCH(QList<Key>, keys);
    QFETCH(QString, expected);

    auto* edit = showBox(new QLineEdit);
    edit->setText(start);
    KeyFilter::Install(edit, kind);
    QTest::keyClicks(edit, typed);
    for (const Key& key : keys) QTest::keyClick(edit, key.key, key.modifiers);
    QCOMPARE(edit->text(), expected);
}

void NumericBoxesTest::blockingFilterLeavesAListToItsDropDown() {
    auto* combo = showBox(new QComboBox);
    combo->addItems({QStringLiteral("120"), QStringLiteral("208"), QStringLiteral("230")});
    KeyFilter::Install(combo, KeyFilterKind::Blocking);
    QTest::keyClicks(combo, QStringLiteral("2"));  // a search by typing would pick "208"
    QCOMPARE(combo->currentIndex(), 0);
    QTest::keyClick(combo, Qt::Key_Down);
    QCOMPARE(combo->currentIndex(), 1);
}

void NumericBoxesTest::filterAlsoSeesComposedText() {
    auto* edit = showBox(new QLineEdit);
    KeyFilter::Install(edit, KeyFilterKind::StandardNumeric);
    QInputMethodEvent letter(QString(), {});
    letter.setCommitString(QStringLiteral("\u00E9"));
    QCoreApplication::sendEvent(edit, &letter);
    QInputMethodEvent digit(QString(), {});
    digit.setCommitString(QStringLiteral("5"));
    QCoreApplication::sendEvent(edit, &digit);
    QCOMPARE(edit->text(), QStringLiteral("5"));
}

void NumericBoxesTest::decimalTypingRules_data() {
    QTest::addColumn<DecimalEdit::Kind>("kind");
    QTest::addColumn<bool>("standardFilter");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<double>("value");

    using Kind = DecimalEdit::Kind;
    QTest::newRow("letters and minus into a filtered box") << Kind::NonNegative << true << "1a-2" << "12" << 12.0;
    QTest::newRow("second separator dropped") << Kind::NonNegative << false << "1.2.3" << "1.23" << 1.23;
    QTest::newRow("comma is not the separator here") << Kind::NonNegative << false << "1,5" << "15" << 15.0;
    QTest::newRow("plus dropped in non-negative box") << Kind::NonNegative << false << "+5+" << "5" << 5.0;
    QTest::newRow("minus dropped in non-negative box") << Kind::NonNegative << false << "-5" << "5" << 5.0;
    QTest::newRow("signed: minus makes negative") << Kind::Signed << false << "12-3" << "-123" << -123.0;
    QTest::newRow("signed: second minus keeps negative") << Kind::Signed << false << "5--" << "-5" << -5.0;
    QTest::newRow("signed: plus makes positive") << Kind::Signed << false << "-5+" << "5" << 5.0;
    QTest::newRow("signed: minus into an empty box") << Kind::Signed << false << "-" << "-" << 0.0;
    QTest::newRow("typing is not limited to the places") << Kind::Signed << false << "0.123456" << "0.123456" << 0.123456;
    QTest::newRow("calculator box takes a sign") << Kind::Calculator << false << "7-" << "-7" << -7.0;
}

void NumericBoxesTest::decimalTypingRules() {
    QFETCH(DecimalEdit::Kind, kind);
    QFETCH(bool, standardFilter);
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    QFETCH(double, value);

    auto* box = showBox(new DecimalEdit(kind));
    if (standardFilter) KeyFilter::Install(box, KeyFilterKind::StandardNumeric);
    QTest::keyClicks(box, typed);
    QCOMPARE(box->text(), expected);
    QCOMPARE(box->value(), value);
}

void NumericBoxesTest::emptyBoxReadsZeroAndShowsItsEmptyText() {
    auto* box = showBox(new DecimalEdit);
    box->setEmptyText(QStringLiteral("N/A"));
    box->setValue(5);
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Backspace);
    leaveBox();
    QCOMPARE(box->text(), QString());
    QCOMPARE(box->value(), 0.0);
    QCOMPARE(box->placeholderText(), QStringLiteral("N/A"));
}

void NumericBoxesTest::focusOutRoundsToTheDecimalPlaces_data() {
    QTest::addColumn<int>("places");
    QTest::addColumn<bool>("trim");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<double>("value");

    QTest::newRow("two places") << 2 << false << "1.23456" << "1.23" << 1.23;
    QTest::newRow("pads to the places") << 2 << false << "4" << "4.00" << 4.0;
    QTest::newRow("rounds half up") << 1 << false << "0.25" << "0.3" << 0.3;
    QTest::newRow("trimmed") << 2 << true << "1.50" << "1.5" << 1.5;
    QTest::newRow("trimmed to a whole number") << 2 << true << "2.001" << "2" << 2.0;
    QTest::newRow("no places") << 0 << false << "2.5" << "3" << 3.0;
    QTest::newRow("lone separator reads zero") << 2 << false << "." << "0.00" << 0.0;
}

void NumericBoxesTest::focusOutRoundsToTheDecimalPlaces() {
    QFETCH(int, places);
    QFETCH(bool, trim);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(double, value);

    auto* box = showBox(new DecimalEdit);
    box->setDecimalPlaces(places);
    box->setTrimTrailingZeros(trim);
    QTest::keyClicks(box, typed);
    leaveBox();
    QVERIFY(!box->hasFocus());
    QCOMPARE(box->text(), shown);
    QCOMPARE(box->value(), value);  // no full accuracy: the value as displayed
}

void NumericBoxesTest::fullAccuracyKeepsTheExactValueWhileTheTextIsItsRoundedForm() {
    auto* box = showBox(new DecimalEdit(DecimalEdit::Kind::Signed));
    box->setFullAccuracy(true);
    box->setValue(1.0 / 3.0);
    QCOMPARE(box->text(), QStringLiteral("0.33"));
    QCOMPARE(box->value(), 1.0 / 3.0);

    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(box, QStringLiteral("2.71828"));
    leaveBox();
    QCOMPARE(box->text(), QStringLiteral("2.72"));
    QCOMPARE(box->value(), 2.71828);

    box->setFocus();
    QTest::keyClick(box, Qt::Key_End);
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClicks(box, QStringLiteral("1"));
    QCOMPARE(box->text(), QStringLiteral("2.71"));
    QCOMPARE(box->value(), 2.71);
}

void NumericBoxesTest::commaRegionKeypadTypesCommaAndBoxesFollowTheChange() {
    auto* box = showBox(new DecimalEdit(DecimalEdit::Kind::Signed));
    box->setDecimalPlaces(2);
    box->setValue(1.5);
    QSignalSpy separatorChanges(&DecimalSeparator::Instance(), &DecimalSeparator::changed);

    SetRegionalSettings(QLocale::German, QLocale::Germany);
    QCOMPARE(separatorChanges.count(), 1);
    QCOMPARE(DecimalSeparator::Current(), QStringLiteral(","));
    QCOMPARE(box->text(), QStringLiteral("1,50"));
    QCOMPARE(box->value(), 1.5);

    KeyFilter::Install(box, KeyFilterKind::StandardNumeric);
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(box, QStringLiteral("2"));
    QTest::keyClick(box, Qt::Key_Period, Qt::KeypadModifier);
    QTest::keyClicks(box, QStringLiteral("5.,7"));  // main-keyboard "." is not this region's
    QTest::keyClick(box, Qt::Key_Period, Qt::KeypadModifier);
    QCOMPARE(box->text(), QStringLiteral("2,57"));
    QCOMPARE(box->value(), 2.57);
    leaveBox();
    QCOMPARE(box->text(), QStringLiteral("2,57"));
}

void NumericBoxesTest::resultBoxHasItsOwnColour() {
    auto* input = showBox(new DecimalEdit);
    auto* result = showBox(new DecimalEdit);
    result->setReadOnly(true);
    QVERIFY(result->palette().color(QPalette::Base) != input->palette().color(QPalette::Base));
    result->setReadOnly(false);
    QCOMPARE(result->palette().color(QPalette::Base), input->palette().color(QPalette::Base));
}

void NumericBoxesTest::zeroPaddingFillsTheMaximumLength() {
    auto* box = showBox(new DecimalEdit(DecimalEdit::Kind::Signed));
    box->setDecimalPlaces(1);
    box->setMaxLength(6);
    box->setZeroPadding(true);
    box->setValue(-4.25);
    QCOMPARE(box->text(), QStringLiteral("-004.3"));
    QCOMPARE(box->value(), -4.3);
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(box, QStringLiteral("12345678"));
    QCOMPARE(box->text(), QStringLiteral("123456"));
}

void NumericBoxesTest::calculatorWritesItsResultIntoTheBox() {
    auto* box = showBox(new DecimalEdit(DecimalEdit::Kind::Calculator));
    QCOMPARE(box->maxLength(), 20);
    box->setValue(12.5);
    QSignalSpy edits(box, &QLineEdit::textEdited);

    auto* button = box->findChild<QAction*>(QStringLiteral("CalculatorButton"));
    QVERIFY(button != nullptr);
    button->trigger();
    auto* calculator = box->findChild<quillux::gui::PocketCalculatorPopup*>();
    QVERIFY(calculator != nullptr && calculator->isVisible());
    QCOMPARE(calculator->displayText(), QStringLiteral("12.5"));

    QTest::keyClicks(calculator, QStringLiteral("/3"));
    QTest::keyClick(calculator, Qt::Key_Return);
    QVERIFY(!calculator->isVisible());
    QCOMPARE(box->text(), QStringLiteral("4.17"));
    QCOMPARE(box->value(), 12.5 / 3);  // calculator boxes keep full accuracy
    QCOMPARE(edits.count(), 1);

    // Escape closes without touching the box.
    button->trigger();
    QTest::keyClicks(calculator, QStringLiteral("99"));
    QTest::keyClick(calculator, Qt::Key_Escape);
    QCOMPARE(box->value(), 12.5 / 3);
}

void NumericBoxesTest::positiveIntegerBoxKeepsAValueOutsideItsBounds() {
    auto* box = showBox(new IntegerEdit);
    box->setRange(1, 512);
    box->setMaxLength(3);
    QTest::keyClicks(box, QStringLiteral("9a9.-9"));
    leaveBox();
    QCOMPARE(box->text(), QStringLiteral("999"));
    QCOMPARE(box->value(), 999);
    QCOMPARE(box->maximum(), 512);
}

void NumericBoxesTest::spinBoxBringsATypedValueToTheNearerBound_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("value");

    QTest::newRow("above the maximum") << "999" << 512;
    QTest::newRow("below the minimum") << "0" << 1;
    QTest::newRow("empty") << "" << 1;
    QTest::newRow("inside") << "300" << 300;
    QTest::newRow("letters dropped") << "4x2" << 42;
}

void NumericBoxesTest::spinBoxBringsATypedValueToTheNearerBound() {
    QFETCH(QString, typed);
    QFETCH(int, value);

    auto* box = showBox(new IntegerSpinBox);
    box->setRange(1, 512);
    box->setValue(100);
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClicks(box, typed);
    leaveBox();
    QCOMPARE(box->text(), QString::number(value));
    QCOMPARE(box->value(), value);

    // Read while still typing: the nearer bound, shown at once.
    box->setFocus();
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(box, typed);
    QCOMPARE(box->readValue(), value);
    QCOMPARE(box->text(), QString::number(value));
}

void NumericBoxesTest::spinBoxArrowsStopAtTheBounds() {
    auto* box = showBox(new IntegerSpinBox);
    box->setRange(1, 512);
    box->setValue(511);
    QTest::keyClick(box, Qt::Key_Up);
    QTest::keyClick(box, Qt::Key_Up);
    QCOMPARE(box->value(), 512);
    box->setValue(2);
    QTest::keyClick(box, Qt::Key_Down);
    QTest::keyClick(box, Qt::Key_Down);
    QCOMPARE(box->value(), 1);
    QCOMPARE(box->style()->styleHint(QStyle::SH_SpinBox_ClickAutoRepeatRate, nullptr, box), 150);
}

void NumericBoxesTest::spinBoxZeroPadding() {
    auto* box = showBox(new IntegerSpinBox);
    box->setRange(1, 512);
    box->setMaxLength(3);
    box->setZeroPadding(true);
    box->setValue(7);
    QCOMPARE(box->text(), QStringLiteral("007"));
    QTest::keyClick(box, Qt::Key_Up);
    QCOMPARE(box->text(), QStringLiteral("008"));
    QCOMPARE(box->value(), 8);
}

QTEST_MAIN(NumericBoxesTest)
#include "numeric_boxes_test.moc"
