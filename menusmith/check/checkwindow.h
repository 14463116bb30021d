#pragma once

#include <finding.h>

#include <QList>
#include <QWidget>

class QLabel;
class QTreeWidget;
class UiTexts;

// The findings of a disc check, one row each: severity, application, field,
// reason. Double-clicking a row asks the editor to open what holds it.
class CheckWindow : public QWidget {
    Q_OBJECT

public:
    CheckWindow(const UiTexts& texts, QWidget* parent = nullptr);

    void setFindings(const QList<Finding>& findings, const QString& summary);
    const QList<Finding>& findings() const { return m_findings; }

    // The row's finding, as a double-click hands it on; for tests.
    void activateRow(int row);

signals:
    void findingActivated(const Finding& finding);

private:
    const UiTexts& m_texts;
    QList<Finding> m_findings;
    QLabel* m_summary = nullptr;   // LabelSummary
    QTreeWidget* m_list = nullptr; // ListFindings
};
