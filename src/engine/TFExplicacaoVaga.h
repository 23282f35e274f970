#pragma once

#include <QDialog>

class QLabel;
class QListWidget;

// "Por que ninguém foi escalado?": for one error line of the forecast, every
// member of the duty's rotation in the order he was tried, with the rule that
// kept him out. Read only.
class TFExplicacaoVaga : public QDialog {
    Q_OBJECT
public:
    explicit TFExplicacaoVaga(QWidget* pai);
    // Shows the explanation of erro (its lines as ExplicaVaga gives them).
    void Mostra(const QString& erro, const QStringList& linhas);

private:
    QLabel* lErro;
    QListWidget* lbMembros;
};
