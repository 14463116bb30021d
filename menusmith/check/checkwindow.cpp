#include "checkwindow.h"

#include <uitexts.h>

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

CheckWindow::CheckWindow(const UiTexts& texts, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_texts(texts) {
    setObjectName(u"FormCheck"_s);
    setWindowTitle(texts.text(u"CheckDisc"));
    m_summary = new QLabel(this);
    m_summary->setObjectName(u"LabelSummary"_s);
    m_summary->setWordWrap(true);
    m_list = new QTreeWidget(this);
    m_list->setObjectName(u"ListFindings"_s);
    m_list->setRootIsDecorated(false);
    m_list->setHeaderLabels({texts.text(u"chkSeverity"), texts.text(u"chkApplication"),
                             texts.text(u"chkField"), texts.text(u"chkReason")});
    m_list->header()->setStretchLastSection(true);
    connect(m_list, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem* item) { activateRow(m_list->indexOfTopLevelItem(item)); });
    auto* close = new QPushButton(texts.text(u"chkClose"), this);
    close->setObjectName(u"CommandClose"_s);
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_summary);
    layout->addWidget(m_list);
    layout->addWidget(close, 0, Qt::AlignRight);
    resize(720, 400);
}

void CheckWindow::setFindings(const QList<Finding>& findings, const QString& summary) {
    m_findings = findings;
    m_summary->setText(summary);
    m_list->clear();
    for (const Finding& finding : findings) {
        const QString application =
            finding.appIndex >= 0 ? QString::number(finding.appIndex + 1) + u' ' + finding.appName
                                  : QString();
        auto* item = new QTreeWidgetItem(
            m_list, {m_texts.text(QString(u"chk-" + severityName(finding.severity))), application,
                     finding.field, finding.message});
        item->setToolTip(3, finding.message);
    }
    m_list->resizeColumnToContents(0);
    m_list->resizeColumnToContents(1);
}

void CheckWindow::activateRow(int row) {
    if (row >= 0 && row < m_findings.size())
        emit findingActivated(m_findings.at(row));
}
