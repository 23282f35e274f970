#pragma once

#include "base/Dialogos.h"
#include "base/Impressora.h"
#include "base/Relogio.h"
#include "data/DMGeral.h"
#include "data/PastaDados.h"
#include "model/AbaAutomatica.h"
#include "model/AbaManual.h"
#include "model/Bloqueio.h"
#include "model/Grades.h"
#include "model/Historico.h"
#include "model/Irmaos.h"
#include "model/Pessoal.h"
#include "model/Servicos.h"
#include "model/TabelaQuantidades.h"
#include "model/VetorSemExped.h"

#include <QHash>
#include <QSet>

#include <array>
#include <vector>

// Everything one program run holds: the platform seams, the data folder and its
// tables, and the working model with the names the routines use. Created in
// main() (or by a test on a temporary folder) and handed to every screen and
// routine; nothing of it is global.
struct Sistema {
    Sistema(const QString& pastaDados, const QString& pastaBackup, const Relogio& relogio,
            Dialogos& dialogos, Impressora& impressora);
    Sistema(const Sistema&) = delete;
    Sistema& operator=(const Sistema&) = delete;

    const Relogio& relogio;
    Dialogos& dialogos;
    Impressora& impressora;
    PastaDados pasta;
    DMGeral dm;

    // Converts a typed date (d/m/yy or d/m/yyyy) with this run's year window.
    std::optional<Data> LeData(const QString& texto) const;

    // Duty records, slots 1..30.
    std::array<TipoVetSv, 31> VetSv{};
    // What the last load of each table found that memory cannot hold as
    // stored: its savers refuse while it holds something (Bloqueio).
    Bloqueio VetSvBloqueado;
    // Personnel records, positions 1..1000.
    std::vector<TipoVetBas> VetBas;
    Bloqueio VetBasBloqueado;
    // Rotations and their working grids.
    FGrades Grades;
    QString TabelaAtual;
    std::uint64_t GeracaoMapas = 0;
    // History, positions 1..10000.
    std::vector<TipoVetHist> VetHist;
    Bloqueio VetHistBloqueado;
    // The findings of the loads already told to the operator, by table as
    // the operator reads its name (AvisaBloqueio).
    QHash<QString, QStringList> DanosAvisados;
    // Blocked and forced assignments.
    std::vector<TipoVetSgte> VetSgte;
    std::vector<TipoVetSgte> VetFora;
    std::vector<TipoVetSgte> VetObriga;
    std::array<TipoVetTemQueSer, MaxTemQueSer + 1> VetTemQueSer{};
    // Saved daily quantities: [day offset 0..365][duty row 1..30].
    std::vector<std::array<QString, 31>> MatQuant;
    std::vector<std::array<QString, 31>> MatQuantCopia;
    // Sibling summaries, slots 1..1000, and the duty list last passed to
    // ContadoresIniciais by a maintenance operation.
    std::vector<TipoVetIrmaos> VetIrmaos;
    std::vector<TipoVetIrmaos> VetIrmaosR;
    QString ListaSvAtual;
    // Red days, and whether a forecast holds them fixed while it runs.
    VetorSemExped VetSemExped;
    bool SemExpedFixo = false;
    struct {
        std::uint64_t versao = 0;
        QSet<int> dias;
    } DiasVermelhosCache;
    // The daily quantity table and its flags.
    TabelaQuantidades Quantidades;

    // --- Roster engine ---
    // "Prever", "Escalar" or "Desfazer".
    QString Operacao;
    bool ErroNaPreta = false;
    // Entry 1 the last roster date, then one day more per entry up to the end
    // day; a zero date ends the list. Room for the longest period, 366 days.
    std::array<Data, DiasMatQuant + 2> DiasPeriodo{};
    int IntervaloFolga = 0;
    int CursorGrade = 1;
    // The pseudo-random generator, seeded with 0 at program start.
    quint32 Semente = 0;
    // The lists of the automatic roster tab: forecast, errors, alerts, and the
    // swap tab's candidates.
    QStringList ListBox2;
    QStringList ListBox5;
    QStringList ListBox6;
    QStringList ListBox3;
    // For each error line of ListBox5 of the last forecast, why nobody of the
    // rotation could take the duty that day (ExplicaVaga).
    QHash<QString, QStringList> ExplicacoesDasVagas;
    // The red-day choice grids of FEscVm and FEscVmEsp: 4 columns, 31 rows.
    GradeTexto SGEscVm{4, 31};
    GradeTexto SGEscVmEsp{4, 31};
    bool AfastadosAjustados = false;
    bool MontarVermelhaAntes = false;
    bool EscolhaVmRevista = false;
    bool IniciarEscolhaVm = true;
    bool EscolhaVmEditada = false;
    // The sibling duties listed in FEscVm's Memo2.
    QStringList Memo2EscVm;
    // The state of the "Escalar Automático" tab.
    AbaAutomatica Aba;
    // The state of the "Escalar Manual" tab.
    AbaManual Manual;
    // The cover values of Niveis.Txt, as last read or written.
    Niveis NiveisCapa;
    // The last roster date as the main window shows it (LUltimaEscala, Label53).
    Data UltimaEscala;
    // Colour slots 1..13: the palette number each slot shows (ArqCores.Txt).
    std::array<int, 14> SlotsCores{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13};

    // --- Rank spellings ---
    // The rank models table as last read from ModelosPstGrd.Txt (or edited on
    // its screen); the correction dialog offers its column 0.
    ModelosPstGrd SGModelos;
    // The answer of the correction dialog: the standard form and its row (1 for
    // the first rank); ModelosAlterados is set by every choice.
    struct {
        QString Forma;
        int Linha = 0;
        bool ModelosAlterados = false;
    } CorrecaoPstGrd;

    // --- Priorities between duties ---
    // The board of duties by person, columns 0..30 and rows 0..1000: row 0 the
    // duties' Descr, column 0 the persons' Num, "S" where the person stands in
    // the duty's rotation. The membership board shows it too.
    GradeTexto SGQuadroEscalas{31, 1001};
};
