#pragma once

#include <QObject>
#include <QString>
#include <string>

namespace quillux::gui {

// The decimal separator of the user's regional settings, read when first asked for and read
// again whenever the application is told the locale changed, so results and boxes follow a
// change made while the program runs.
class DecimalSeparator : public QObject {
    Q_OBJECT

public:
    // The one service of the running application (a child of the application object).
    static DecimalSeparator& Instance();
    // Shorthands for Instance().text() and Instance().utf8().
    static QString Current();
    static std::string CurrentUtf8();

    QString text() const { return text_; }
    std::string utf8() const { return text_.toStdString(); }

signals:
    void changed(const QString& separator);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit DecimalSeparator(QObject* parent);
    void refresh();

    QString text_;
};

}  // namespace quillux::gui
