#pragma once

#include "base/Data.h"
#include "shell/AcoesMenu.h"

#include <QStringList>
#include <QWidget>

class QColor;
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

    // What a click on item's line runs (1..23). Every item's action is
    // attached in one place, TFPrincipal::CriaTelas; an item without one does
    // nothing.
    void DefineAcao(int item, std::function<void()> acao);
    // The priority calculation, bound to the hidden line "17. Cálculo
    // automático ..." and run when 17 is typed.
    void DefineAcaoPrioridades(std::function<void()> acao);

    // Runs an item as a click on its line does; a number outside 1..23 does
    // nothing. The items that close the result list hide it first.
    void ExecutaItem(int item);
    // 1: items 1..15; 2: items 16..23 and the result list.
    void MostraPagina(int pagina);
    // The result list ListBox1 in colour cor, emptied, shown, then given the
    // lines (items 18 and 19).
    void MostraResultado(const QColor& cor, const std::function<QStringList()>& linhas);

    // For the backup item, once the backup screen has closed: reads the last
    // roster date and the roster period again, shows the date on the main
    // window and hands the period on (PeriodoRelido).
    void AtualizaDepoisDaCopia();
    // The result list takes colour slot 2.
    void AplicaCores();

signals:
    // The roster period as read after the backup: the red-day screen shows it.
    void PeriodoRelido(Data inicio, Data fim);

protected:
    void showEvent(QShowEvent* e) override;

private:
    // "Executar Item": runs the item whose number Edit8 holds.
    void Button1Click();

    TFPrincipal& principal;
    Sistema& sis;
    AcoesMenu acoes{NumItens};
    AcoesMenu prioridades{1};
    QStackedWidget* paginas;
    QListWidget* listBox1;
    QLineEdit* edit8;
};
