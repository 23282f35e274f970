#pragma once

#include "shell/AcoesMenu.h"

#include <QWidget>

class QLineEdit;
class QListWidget;
class QStackedWidget;
class TFPrincipal;
struct Sistema;

// The "Manutenção" tab: 23 numbered item lines on two pages, the item number
// field Edit8 with "Executar Item", and the result list ListBox1. Built into
// the tab's area of the main window.
class TFAbaManutencao : public QWidget {
    Q_OBJECT
public:
    static constexpr int NumItens = 23;

    explicit TFAbaManutencao(TFPrincipal& principal);

    // What a click on item's line runs (1..23). An item without an action does
    // nothing. Items 7, 15, 18, 19, 22 and 23 come with their own.
    void DefineAcao(int item, std::function<void()> acao);
    // The priority calculation, bound to the hidden line "17. Cálculo
    // automático ..." and run when 17 is typed.
    void DefineAcaoPrioridades(std::function<void()> acao);

    // Runs an item as a click on its line does; a number outside 1..23 does
    // nothing. The items that close the result list hide it first.
    void ExecutaItem(int item);
    // 1: items 1..15; 2: items 16..23 and the result list.
    void MostraPagina(int pagina);

    // For the backup item, once the backup screen has closed: shows the last
    // roster date again on the main window and puts the roster period into the
    // red-day screen's fields, when that screen exists.
    void AtualizaDepoisDaCopia();

protected:
    void showEvent(QShowEvent* e) override;

private:
    // "Executar Item": runs the item whose number Edit8 holds.
    void Button1Click();
    // Paints, empties and shows the result list.
    void PreparaLista(const QColor& cor);

    TFPrincipal& principal;
    Sistema& sis;
    AcoesMenu acoes{NumItens};
    AcoesMenu prioridades{1};
    QStackedWidget* paginas;
    QListWidget* listBox1;
    QLineEdit* edit8;
};
