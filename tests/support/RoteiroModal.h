#pragma once

#include <QObject>
#include <QStringList>
#include <QTimer>
#include <deque>
#include <functional>

class QWidget;

// Answers the modal windows a screen opens, in order: each step names the
// window (its objectName) and what to do with it. A modal window the script
// does not expect is closed and recorded, which fails Cumprido().
class RoteiroModal : public QObject {
public:
    RoteiroModal();
    RoteiroModal& Quando(const QString& janela, std::function<void(QWidget*)> acao);
    bool Cumprido() const { return passos.empty() && Inesperadas.isEmpty(); }
    QStringList Inesperadas;

private:
    void Verifica();
    struct Passo {
        QString janela;
        std::function<void(QWidget*)> acao;
    };
    std::deque<Passo> passos;
    QTimer timer;
    QWidget* tratada = nullptr;
};

// Clicks the button (or radio button) of a window found by its objectName or
// its text.
void Clica(QWidget* janela, const QString& botao);
// A mouse click on the indicator of a radio button or check box (its centre
// may lie beyond its text).
void ClicaIndicador(QWidget* botao);
