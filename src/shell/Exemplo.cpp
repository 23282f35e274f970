#include "shell/Exemplo.h"

#include "base/Falha.h"
#include "calendar/Feriados.h"
#include "data/DMGeral.h"
#include "data/Instalacao.h"

#include <QDate>
#include <QDir>
#include <QRandomGenerator>
#include <algorithm>
#include <map>
#include <set>
#include <vector>

namespace {

struct ServicoExemplo {
    int cod;
    const char* descr;
    int quant;
    int folga;
    const char* tipo;
};

// Priority follows the code: the officer of the day is staffed first.
constexpr ServicoExemplo servicos[] = {
    {1, "Of Dia", 1, 2, "PV"},  {2, "Adjunto", 1, 2, "PV"}, {3, "Sgt Dia", 1, 2, "PV"},
    {4, "Cb Gda", 2, 2, "PV"},  {5, "Sd Gda", 3, 2, "PV"},  {6, "Plantão", 1, 1, "Pt"},
    {7, "Viatura", 1, 1, "Pt"}, {8, "Ronda", 2, 2, "Vm"},
};

// Ranks as the installed PstGrd.Txt spells them, with how many persons hold
// each and the duties they compete for (by rank order: the first is the most
// senior).
struct GrupoExemplo {
    const char* pstGrd;
    int quantos;
    std::vector<int> servicos;
};

const std::vector<GrupoExemplo>& Grupos() {
    static const std::vector<GrupoExemplo> g{
        {"Cap", 2, {1}},    {"1º Ten", 2, {1}},    {"2º Ten", 2, {1}}, {"ST", 2, {2}},
        {"1º Sgt", 4, {2}}, {"2º Sgt", 4, {3}},    {"3º Sgt", 4, {3}}, {"Cb", 10, {4}},
        {"Sd", 18, {5}},    {"Sd", 12, {6, 7, 8}},
    };
    return g;
}

const char* const nomes[] = {
    "Almeida",   "Barbosa",  "Cardoso",  "Dantas",    "Esteves",   "Falcão",  "Gusmão",   "Holanda",
    "Inácio",    "Jardim",   "Lacerda",  "Macedo",    "Nogueira",  "Otoni",   "Pacheco",  "Queiroz",
    "Rezende",   "Sampaio",  "Teixeira", "Uchoa",     "Valadares", "Xavier",  "Zanetti",  "Amaral",
    "Brandão",   "Coutinho", "Drummond", "Espíndola", "Fagundes",  "Guedes",  "Hermes",   "Ilha",
    "Junqueira", "Leme",     "Moreira",  "Nunes",     "Oliveira",  "Peixoto", "Quintela", "Rangel",
    "Siqueira",  "Tavares",  "Vidal",    "Werneck",   "Aguiar",    "Bastos",  "Cunha",    "Duarte",
    "Fontes",    "Galvão",   "Lima",     "Medeiros",  "Neves",     "Paiva",   "Ramos",    "Salgado",
    "Torres",    "Vieira",   "Monteiro", "Freitas",
};

struct Pessoa {
    QString num;
    QString pstGrd;
    QString nome;
    int antig;
    std::vector<int> servicos;
    QString pr;
    Data ini, fim;
    std::set<Data> dias; // every duty day of the history
};

struct Rodizio {
    int pt = 0, vm = 0;
    Data usvPt = DataNunca(), usvVm = DataNunca();
};

QVariant DataOuNulo(Data d) {
    return d.Zero() ? QVariant() : QVariant(d.ParaQDate());
}

bool Afastado(const Pessoa& p, Data dia) {
    return !p.pr.isEmpty() && p.ini <= dia && dia <= p.fim;
}

// Free on dia when not absent, not on another duty that day and rested after
// the last duty (folga days off).
bool Livre(const Pessoa& p, Data dia, int folga) {
    if (Afastado(p, dia))
        return false;
    const auto depois = p.dias.lower_bound(dia - folga);
    return depois == p.dias.end() || *depois > dia;
}

} // namespace

namespace Exemplo {

void CriaExemplo(const QString& pasta, Data hoje) {
    if (!Instalacao::PastaNova(pasta))
        throw Recusa(QStringLiteral("A pasta %1 já existe e não está vazia: o exemplo só é criado "
                                    "numa pasta nova.")
                         .arg(QDir::toNativeSeparators(pasta)));
    Instalacao::InstalaPastaDados(pasta, hoje);

    const Data ultima = hoje - 1;
    const Data inicioHistorico = hoje - 30;
    const Data fimPeriodo = Data::DeQDate(hoje.ParaQDate().addMonths(3));

    std::set<Data> vermelhos;
    for (Data d = inicioHistorico - 1; d <= fimPeriodo; ++d)
        if (d.DiaDaSemana() == 1 || d.DiaDaSemana() == 7)
            vermelhos.insert(d);
    for (const Data d : FeriadosNoPeriodo(inicioHistorico - 1, fimPeriodo, true))
        vermelhos.insert(d);

    // The persons, in seniority order, with names drawn from a fixed seed.
    std::vector<QString> sorteio(std::begin(nomes), std::end(nomes));
    QRandomGenerator gerador(20261210u);
    std::shuffle(sorteio.begin(), sorteio.end(), gerador);
    std::vector<Pessoa> pessoas;
    for (const GrupoExemplo& g : Grupos())
        for (int i = 0; i < g.quantos; ++i) {
            const int n = static_cast<int>(pessoas.size()) + 1;
            pessoas.push_back({QString::number(100 + n),
                               QString::fromUtf8(g.pstGrd),
                               sorteio[static_cast<size_t>(n - 1)],
                               n,
                               g.servicos,
                               {},
                               {},
                               {},
                               {}});
        }
    // A few absences: in effect now ("R") and planned ("P").
    const auto afasta = [&](int n, const char* pr, Data ini, Data fim) {
        Pessoa& p = pessoas[static_cast<size_t>(n - 1)];
        p.pr = QLatin1String(pr);
        p.ini = ini;
        p.fim = fim;
    };
    afasta(3, "P", hoje + 40, hoje + 54);
    afasta(17, "R", hoje - 6, hoje + 8);
    afasta(26, "P", hoje + 20, hoje + 34);
    afasta(35, "R", hoje - 12, hoje + 15);
    afasta(44, "R", hoje - 3, hoje + 4);
    afasta(55, "P", hoje + 10, hoje + 19);

    // A month of history: each day and duty, the free members with the lowest
    // counter of the day's kind, then the oldest last duty, then seniority.
    std::map<std::pair<int, int>, Rodizio> rodizios; // (duty, person index)
    QList<QVariantList> historico;
    for (Data dia = inicioHistorico; dia <= ultima; ++dia) {
        const bool vermelho = vermelhos.count(dia) > 0;
        const QString ptVm = vermelho ? QStringLiteral("Vm") : QStringLiteral("Pt");
        for (const ServicoExemplo& sv : servicos) {
            const QLatin1String tipo(sv.tipo);
            if ((tipo == QLatin1String("Pt") && vermelho) ||
                (tipo == QLatin1String("Vm") && !vermelho))
                continue;
            std::vector<int> livres;
            for (int i = 0; i < static_cast<int>(pessoas.size()); ++i) {
                const Pessoa& p = pessoas[static_cast<size_t>(i)];
                if (std::find(p.servicos.begin(), p.servicos.end(), sv.cod) != p.servicos.end() &&
                    Livre(p, dia, sv.folga))
                    livres.push_back(i);
            }
            std::sort(livres.begin(), livres.end(), [&](int a, int b) {
                const Rodizio& ra = rodizios[{sv.cod, a}];
                const Rodizio& rb = rodizios[{sv.cod, b}];
                const auto chave = [&](const Rodizio& r, int i) {
                    return vermelho ? std::tuple(r.vm, r.usvVm, i) : std::tuple(r.pt, r.usvPt, i);
                };
                return chave(ra, a) < chave(rb, b);
            });
            livres.resize(std::min<size_t>(livres.size(), static_cast<size_t>(sv.quant)));
            QString nums;
            for (const int i : livres) {
                Pessoa& p = pessoas[static_cast<size_t>(i)];
                p.dias.insert(dia);
                Rodizio& r = rodizios[{sv.cod, i}];
                if (vermelho) {
                    ++r.vm;
                    r.usvVm = dia;
                } else {
                    ++r.pt;
                    r.usvPt = dia;
                }
                nums += p.num + QLatin1Char(' ');
            }
            historico << QVariantList{dia.ParaQDate(), sv.cod, QString::fromUtf8(sv.descr), nums,
                                      ptVm};
        }
    }

    DMGeral dm(pasta, Instalacao::PastaBackupPadrao(pasta));
    dm.Prepara(Banco::Principal);
    DMGeral::Transacao t(dm, Banco::Principal);
    QList<QVariantList> linhasSv;
    for (const ServicoExemplo& sv : servicos)
        linhasSv << QVariantList{sv.cod,
                                 QString::fromUtf8(sv.descr),
                                 (inicioHistorico - 1).ParaQDate(),
                                 QDate(2050, 1, 1),
                                 sv.quant,
                                 sv.cod,
                                 sv.folga,
                                 QString::fromLatin1(sv.tipo)};
    dm.SubstituiLinhas(Banco::Principal, QStringLiteral("Sv"), linhasSv);

    QList<QVariantList> basico;
    for (const Pessoa& p : pessoas) {
        QString usv;
        auto it = p.dias.end();
        std::vector<Data> ultimos;
        while (it != p.dias.begin() && ultimos.size() < 10)
            ultimos.insert(ultimos.begin(), *--it);
        for (const Data d : ultimos)
            usv += d.Texto() + QLatin1Char(' ');
        basico << QVariantList{p.num, p.pstGrd, p.nome, p.pr, DataOuNulo(p.ini), DataOuNulo(p.fim),
                               usv,   p.antig};
    }
    dm.SubstituiLinhas(Banco::Principal, QStringLiteral("Basico"), basico);

    for (const ServicoExemplo& sv : servicos) {
        QList<QVariantList> membros;
        for (int i = 0; i < static_cast<int>(pessoas.size()); ++i) {
            const Pessoa& p = pessoas[static_cast<size_t>(i)];
            if (std::find(p.servicos.begin(), p.servicos.end(), sv.cod) == p.servicos.end())
                continue;
            const Rodizio& r = rodizios[{sv.cod, i}];
            membros << QVariantList{p.num, r.pt, r.vm, r.usvPt.Texto(), r.usvVm.Texto()};
        }
        dm.SubstituiLinhas(Banco::Principal, QStringLiteral("Sv%1").arg(sv.cod), membros);
    }
    dm.SubstituiLinhas(Banco::Principal, QStringLiteral("Hist"), historico);

    QStringList linhasVermelhas;
    for (const Data d : vermelhos)
        if (!(d < ultima - 30))
            linhasVermelhas << d.Texto();
    t.GravaArquivo(QStringLiteral("SemExped.Txt"), linhasVermelhas);
    t.GravaArquivo(QStringLiteral("DataIniFim.Txt"), {ultima.Texto(), fimPeriodo.Texto()});
    t.Confirma();
}

} // namespace Exemplo
