#pragma once

#include "shell/AtualizaPrincipal.h"

#include <QHash>
#include <QList>
#include <QWidget>
#include <memory>

class Inicio;
class QDialog;
class QLabel;
class QTabWidget;
class TFAbaConsultas;
class TFAbaEscalarAutomatico;
class TFAbaEscalarManual;
class TFAbaTrocas;
class TFAbaManutencao;
class TFAbaPrimeiraUtilizacao;
class TFAlteraCores;
class TFBackup;
class TFCarOrdAntig;
class TFCorrigePstGrd;
class TFDiaPrimEscala;
class TFEditaTabelas;
class TFEditaTabelasPrimEscala;
class TFIncExcAltSv;
class TFIncExcCol;
class TFIncExcInd;
class TFInicReinicSist;
class TFListaNumNomes;
class TFManual;
class TFModelosPstGrd;
class TFPesqSv;
class TFPreencheCapa;
class TFQuadroEscalas;
class TFRegistroAlteracoes;
class TFQuadroSv;
class TFSaiEscTemp;
class TFSemExped;
class TFVoltaParaEsc;
struct Sistema;

// FPrincipal, "Página Principal da Aplicação": the seven tabs and the cover.
// Closing it ends the program.
class TFPrincipal : public QWidget, public TelaPrincipal {
    Q_OBJECT
public:
    // Runs the start-up steps: the flag on the tabs, the cover from Niveis.Txt,
    // the aliases. A failing step is shown and the window stays usable.
    TFPrincipal(Sistema& s, Inicio& inicio, QWidget* pai = nullptr);
    ~TFPrincipal() override;

    Sistema& sis;

    // The refresh, at start and after each screen of the "Manutenção",
    // "Consultas" and "Primeira Utilização" tabs closes; a failing step is shown.
    void Atualiza();
    // Shows a screen of those tabs modally, then refreshes.
    void AbreTela(QDialog* tela);
    // The area of a tab ("TabSheet3" ...) where its controls go, beside the flag.
    QWidget* ConteudoAba(const QString& aba) const;
    QTabWidget* Paginas() const { return paginas; }
    // The menu tabs, where the screens they open are attached (DefineAcao).
    TFAbaManutencao* AbaManutencao() const { return abaManutencao; }
    TFAbaEscalarAutomatico* AbaEscalar() const { return abaEscalar; }
    TFAbaEscalarManual* AbaEscalarManual() const { return abaManual; }
    TFAbaTrocas* AbaTrocas() const { return abaTrocas; }
    TFAbaConsultas* AbaConsultas() const { return abaConsultas; }
    TFAbaPrimeiraUtilizacao* AbaPrimeiraUtilizacao() const { return abaPrimeira; }

    void AplicaCores() override;
    void MostraCapa() override;
    void EscondeEscalar() override;
    void MostraUltimaEscala(Data dia) override;

signals:
    // The refresh ran (successfully or not).
    void Atualizado();
    // The window took its colour: each tab paints its own lists and grids.
    void CoresAplicadas();
    // The last roster date (sis.UltimaEscala) was read or changed: the tabs
    // that show it show it again.
    void UltimaEscalaMudou(Data dia);

private:
    void MontaCapa();
    // The screens the tabs open, created once, and the menu items bound to them.
    void CriaTelas(Inicio& inicio);
    // After the backup screen: the cover read again from Niveis.Txt, the
    // refresh, the last roster date and the roster period read again.
    void DepoisDaCopia();
    // A screen replaced the register: the windows that may stay open beside
    // this one go with it, and the program ends.
    void Encerra();
    // Every screen and tab opens its section of the manual.
    void LigaManual();
    QWidget* MontaAba(const QString& nome, const QString& titulo, const QString& imagem);
    void PassosIniciais(Inicio& inicio);

    QTabWidget* paginas;
    QHash<QString, QWidget*> conteudos; // the area of each tab, by the tab's name
    QList<QLabel*> bandeiras;           // Image2 .. Image7
    QLabel* image1;
    QLabel* label20;
    QLabel* label16;
    QLabel* label24;
    QLabel* label25;
    TFAbaEscalarAutomatico* abaEscalar;
    TFAbaEscalarManual* abaManual;
    TFAbaTrocas* abaTrocas;
    TFAbaManutencao* abaManutencao;
    TFAbaConsultas* abaConsultas;
    TFAbaPrimeiraUtilizacao* abaPrimeira;

public:
    // The manual, opened by a click on the background of a screen or tab.
    std::unique_ptr<TFManual> FManual;
    // The screens opened from the tabs.
    std::unique_ptr<TFSemExped> FSemExped;
    std::unique_ptr<TFIncExcInd> FIncExcInd;
    std::unique_ptr<TFIncExcAltSv> FIncExcAltSv;
    std::unique_ptr<TFIncExcCol> FIncExcCol;
    std::unique_ptr<TFPesqSv> FPesqSv;
    std::unique_ptr<TFCarOrdAntig> FCarOrdAntig;
    std::unique_ptr<TFEditaTabelasPrimEscala> FEditaTabelasPrimEscala;
    std::unique_ptr<TFEditaTabelas> FEditaTabelas;
    std::unique_ptr<TFSaiEscTemp> FSaiEscTemp;
    std::unique_ptr<TFVoltaParaEsc> FVoltaParaEsc;
    std::unique_ptr<TFQuadroSv> FQuadroSv;
    std::unique_ptr<TFQuadroEscalas> FQuadroEscalas;
    std::unique_ptr<TFRegistroAlteracoes> FRegistroAlteracoes;
    std::unique_ptr<TFModelosPstGrd> FModelosPstGrd;
    std::unique_ptr<TFCorrigePstGrd> FCorrigePstGrd;
    std::unique_ptr<TFPreencheCapa> FPreencheCapa;
    std::unique_ptr<TFAlteraCores> FAlteraCores;
    std::unique_ptr<TFDiaPrimEscala> FDiaPrimEscala;
    std::unique_ptr<TFInicReinicSist> FInicReinicSist;
    std::unique_ptr<TFBackup> FBackup;
    // Last, so that it goes first: it may be a child window of any screen above.
    std::unique_ptr<TFListaNumNomes> FListaNumNomes;
};
