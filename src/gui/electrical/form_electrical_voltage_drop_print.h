#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <utility>
#include <vector>

#include "gui/report/report.h"

class QWidget;

namespace quillux::engine {
struct TQxSetupData;
}

namespace quillux::gui {

// The printed "Voltage Drop Report": the three calculators in framed boxes side by side, the
// formula explained with a worked example, and the gauge table. Every value is the text of
// the window's box as shown; the window's texts are read again at the start of each page.
class TFormElectricalVoltageDropPrint {
public:
    // The window's state as the report prints it.
    struct Texts {
        bool aluminium = false;
        bool metres = false;
        // Each band prints "Single Phase" when its "Single-Phase" choice is made.
        bool dropSinglePhase = false;
        bool sizeSinglePhase = false;
        bool distanceSinglePhase = false;

        QString dropInputVoltage, dropAmps, dropDistance, dropGauge, dropResult, dropPercent;
        QString sizeInputVoltage, sizeAmps, sizeDistance, sizeDrop, sizePercent, sizeResult;
        QString distanceInputVoltage, distanceAmps, distanceDrop, distancePercent, distanceGauge,
            distanceResult;
    };
    using TextReader = std::function<Texts()>;
    // Caption and value of one row of a framed box.
    using Row = std::pair<QString, QString>;

    static inline const QString kTitle = QStringLiteral("Voltage Drop Report");

    TFormElectricalVoltageDropPrint(const engine::TQxSetupData& setup, TextReader readTexts);
    TFormElectricalVoltageDropPrint(const TFormElectricalVoltageDropPrint&) = delete;
    TFormElectricalVoltageDropPrint& operator=(const TFormElectricalVoltageDropPrint&) = delete;

    // The rows of the "Voltage Drop", "Wire Size" and "Distance" boxes, the wire type first.
    static std::array<std::vector<Row>, 3> BoxRows(const Texts& texts);
    // The explanation under the boxes, one entry per printed line.
    static const QStringList& Explanation();
    // The two gauge columns, heading first: 0000 to 19 AWG, then 20 to 40 AWG.
    static std::array<QStringList, 2> GaugeColumns();

    Report& QuickRep() { return report_; }
    // Shows the report in the print preview and returns when the preview closes.
    void Preview(QWidget* caller);

private:
    void QuickRepStartPage();

    Report report_;
    TextReader readTexts_;
    std::array<std::vector<Row>, 3> rows_;
};

}  // namespace quillux::gui
