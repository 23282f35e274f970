#include "support/RoteiroModal.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QTest>

RoteiroModal::RoteiroModal() {
    timer.setInterval(5);
    connect(&timer, &QTimer::timeout, this, &RoteiroModal::Verifica);
    timer.start();
}

RoteiroModal& RoteiroModal::Quando(const QString& janela, std::function<void(QWidget*)> acao) {
    passos.push_back({janela, std::move(acao)});
    return *this;
}

void RoteiroModal::Verifica() {
    QWidget* w = QApplication::activeModalWidget();
    if (!w)
        tratada = nullptr;
    if (!w || w == tratada)
        return;
    tratada = w;
    if (!passos.empty() && w->objectName() == passos.front().janela) {
        const Passo p = passos.front();
        passos.pop_front();
        p.acao(w);
        return;
    }
    Inesperadas << w->objectName();
    if (auto* d = qobject_cast<QDialog*>(w))
        d->done(QDialog::Rejected);
}

void Clica(QWidget* janela, const QString& botao) {
    for (QAbstractButton* b : janela->findChildren<QAbstractButton*>())
        if (b->objectName() == botao || b->text() == botao) {
            b->click();
            return;
        }
    QTest::qFail(qPrintable("botão não encontrado: " + botao), __FILE__, __LINE__);
}

void ClicaIndicador(QWidget* botao) {
    QTest::mouseClick(botao, Qt::LeftButton, {}, QPoint(8, botao->height() / 2));
}
