#pragma once

#include <QDialog>

class QLineEdit;

// "Статистика": the node and rod counts in read-only fields of the group
// "Топология", OK and "Справка".
class StatisticsDialog : public QDialog {
    Q_OBJECT

public:
    StatisticsDialog(const QString &nodeCount, const QString &rodCount, QWidget *parent = nullptr);

    QString nodeCount() const;
    QString rodCount() const;

private:
    QLineEdit *nodes;
    QLineEdit *rods;
};
