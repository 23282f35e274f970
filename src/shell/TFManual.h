#pragma once

#include <QHash>
#include <QPointer>
#include <QWidget>

class QListWidget;
struct Sistema;

// FManual, "Manual do Sistema": the lines of Manual.Txt, opened beside the
// screen that asked for it at that screen's section. One window for the
// whole program; it does not block the screen that opened it.
class TFManual : public QWidget {
    Q_OBJECT
public:
    explicit TFManual(Sistema& s, QWidget* pai = nullptr);

    // Makes codigo the current section and shows the window there, reading the
    // file again; a window not yet open goes beside tela's.
    void Abre(const QString& codigo, const QWidget* tela = nullptr);
    // A click on the background of tela (its own surface or a plain container
    // inside it, not a control) opens the manual at codigo. Within a screen
    // bound as a whole, a part bound on its own opens its own section.
    void Liga(QWidget* tela, const QString& codigo);
    const QString& SecaoAtual() const { return secao; }

protected:
    bool eventFilter(QObject* alvo, QEvent* e) override;

private:
    void Ativa();

    Sistema& sis;
    QString secao;
    QListWidget* lbManual;
    QHash<QObject*, QString> codigos; // the bound screens and parts
};
