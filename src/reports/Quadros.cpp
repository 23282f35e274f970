#include "reports/Quadros.h"

#include "base/Falha.h"
#include "model/Grades.h"
#include "model/Sistema.h"
#include "reports/Impressao.h"

#include <QHash>
#include <algorithm>
#include <array>
#include <optional>

namespace {

const QString sim = QStringLiteral("S");
const QString soma = QStringLiteral("SOMA");

// Which numbers stand in each duty's roster, each rotation table read once
// (into grids of its own, leaving the working grids alone).
class MembrosDasEscalas {
public:
    explicit MembrosDasEscalas(Sistema& s) : sis(s) {}
    // Whether num stands in the roster of duty n (1..30).
    bool Contem(int n, const QString& num) {
        auto& g = grades[static_cast<size_t>(n)];
        if (!g) {
            g.emplace();
            RecarregaGrade(sis, *g, n);
        }
        return g->LinhaDe(num) > 0;
    }

private:
    Sistema& sis;
    std::array<std::optional<GradeTexto>, 31> grades;
};

// Puts the person rows in ascending order of their number read as an
// integer; a number that is not one goes after them, in text order.
void OrdenaPorNumero(Quadro& q) {
    struct Chave {
        bool inteiro;
        long long valor;
        QString texto;
    };
    std::vector<std::pair<Chave, Quadro::Linha>> linhas;
    linhas.reserve(q.Linhas.size());
    for (Quadro::Linha& l : q.Linhas) {
        bool ok = false;
        const long long v = l.Cel[0].trimmed().toLongLong(&ok);
        linhas.push_back({{ok, ok ? v : 0, l.Cel[0]}, std::move(l)});
    }
    std::stable_sort(linhas.begin(), linhas.end(), [](const auto& a, const auto& b) {
        if (a.first.inteiro != b.first.inteiro)
            return a.first.inteiro;
        return a.first.inteiro ? a.first.valor < b.first.valor : a.first.texto < b.first.texto;
    });
    for (size_t i = 0; i < linhas.size(); ++i)
        q.Linhas[i] = std::move(linhas[i].second);
}

// The board with the columns of `colunas` (of q, in that order), the person
// rows marked in q, the column of "SOMA" when comSoma.
Quadro Separa(const Quadro& q, const std::vector<int>& colunas, bool comSoma) {
    const int n = int(colunas.size());
    Quadro r = Quadro::Vazio(comSoma ? ColunaSoma(n) + 1 : n + 1);
    for (int i = 0; i < n; ++i)
        r.Cabecalho[i + 1] = q.Cabecalho[colunas[static_cast<size_t>(i)]];
    if (comSoma)
        r.Cabecalho[ColunaSoma(n)] = soma;
    r.Servicos = n;
    for (const Quadro::Linha& l : q.Linhas) {
        if (!l.Marca)
            continue;
        Quadro::Linha& nova = r.NovaLinha(l.Cel[0]);
        for (int i = 0; i < n; ++i)
            nova.Cel[i + 1] = l.Cel[colunas[static_cast<size_t>(i)]];
    }
    return r;
}

// Keeps the rows with some duty cell that passes `mantem`, in their order.
template <typename Criterio> void MantemLinhas(Quadro& q, Criterio mantem) {
    std::erase_if(q.Linhas, [&](const Quadro::Linha& l) {
        for (int c = 1; c <= q.Servicos; ++c)
            if (mantem(l.Cel[c]))
                return false;
        return true;
    });
}

// The descriptions of the duties the chooser marked.
QSet<QString> DescricoesMarcadas(const Sistema& s) {
    QSet<QString> d;
    for (int n = 1; n <= 30; ++n)
        if (s.VetSv[n].Sel == sim && s.VetSv[n].Definido())
            d.insert(s.VetSv[n].Descr);
    return d;
}

// The duty columns of q whose heading is in `descricoes` (all when todas).
std::vector<int> ColunasDe(const Quadro& q, bool todas, const QSet<QString>& descricoes) {
    std::vector<int> c;
    for (int j = 1; j <= q.Servicos; ++j)
        if (todas || descricoes.contains(q.Cabecalho[j]))
            c.push_back(j);
    return c;
}

// The membership board for the persons of VetBas whose numbers are in
// escolhidos (every person when it is null).
void MontaEscalas(Sistema& s, QuadroEscalas& q, const QSet<QString>* escolhidos) {
    q.AuxVisivel = false;
    q.SGQuadroEscalas = Quadro::Vazio(1);
    q.SGQuadroEscalasAux = Quadro::Vazio(1);
    CarregaVetBas(s, Banco::Principal);
    CarregaVetSv(s, Banco::Principal);

    std::vector<int> definidos;
    Quadro quadro = Quadro::Vazio(1);
    for (int j = 1; j <= 30; ++j)
        if (s.VetSv[j].Definido()) {
            definidos.push_back(j);
            quadro.Cabecalho << s.VetSv[j].Descr;
        }
    quadro.Servicos = int(definidos.size());

    MembrosDasEscalas membros(s);
    for (const TipoVetBas& b : s.VetBas) {
        if (b.Num.isEmpty() || (escolhidos && !escolhidos->contains(b.Num)))
            continue;
        Quadro::Linha& l = quadro.NovaLinha(b.Num);
        l.Marca = false;
        for (size_t i = 0; i < definidos.size(); ++i)
            if (membros.Contem(definidos[i], b.Num)) {
                l.Cel[int(i) + 1] = sim;
                l.Marca = true;
            }
    }
    OrdenaPorNumero(quadro);
    q.SGQuadroEscalas = std::move(quadro);
}

} // namespace

Quadro Quadro::Vazio(int colunas) {
    Quadro q;
    for (int c = 0; c < colunas; ++c)
        q.Cabecalho << QString();
    return q;
}

Quadro::Linha& Quadro::NovaLinha(const QString& num) {
    Linha l;
    l.Cel = QStringList(Cabecalho.size(), QString());
    l.Cel[0] = num;
    Linhas.push_back(std::move(l));
    return Linhas.back();
}

int ColunaSoma(int colunasServico) {
    return std::max(19, colunasServico + 1);
}

void AtivaQuadroServicos(Sistema& s, QuadroServicos& q) {
    const QString aa = s.relogio.Hoje().Texto().mid(6, 2);
    q.Edit1 = QStringLiteral("01/01/") + aa;
    q.Edit2 = QStringLiteral("31/12/") + aa;
    q.ExecutarHabilitado = true;
}

void ContaServicos(Sistema& s, QuadroServicos& q) {
    std::optional<Data> inicio = s.LeData(q.Edit1);
    if (!inicio)
        throw Recusa(q.Edit1 + QStringLiteral(" >>> Data inválida"));
    std::optional<Data> fim = s.LeData(q.Edit2);
    if (!fim)
        throw Recusa(q.Edit2 + QStringLiteral(" >>> Data inválida"));

    for (int n = 1; n <= 30; ++n)
        s.VetSv[n].Sel = sim;
    CarregaVetSv(s, Banco::Principal);
    CarregaVetBas(s, Banco::Principal);
    CarregaVetHist(s, Banco::Principal);

    // The counts by duty number; -1 for an empty cell.
    std::array<QString, 31> cabecalho;
    std::vector<QString> numeros;
    std::vector<std::array<int, 31>> contagem;
    QHash<QString, int> linhaDe;
    auto linha = [&](const QString& num) {
        const auto it = linhaDe.constFind(num);
        if (it != linhaDe.constEnd())
            return *it;
        linhaDe.insert(num, int(numeros.size()));
        numeros.push_back(num);
        contagem.emplace_back();
        contagem.back().fill(-1);
        return int(numeros.size()) - 1;
    };

    const int ultima = std::min(int(s.VetHist.size()) - 1, MaxHist);
    for (int p = 1; p <= ultima; ++p) {
        const TipoVetHist& h = s.VetHist[static_cast<size_t>(p)];
        if (h.Descr.isEmpty())
            break;
        if (h.Dia < *inicio || h.Dia > *fim || h.CodSv < 1 || h.CodSv > 30)
            continue;
        if ((q.Escala == QLatin1String("Pt") && h.PtVm == QLatin1String("Vm")) ||
            (q.Escala == QLatin1String("Vm") && h.PtVm == QLatin1String("Pt")))
            continue;
        cabecalho[static_cast<size_t>(h.CodSv)] = h.Descr;
        QSet<QString> contados;
        for (const QString& num : h.Num.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            if (contados.contains(num))
                continue;
            contados.insert(num);
            int& celula = contagem[static_cast<size_t>(linha(num))][static_cast<size_t>(h.CodSv)];
            celula = std::max(celula, 0) + 1;
        }
    }
    for (const TipoVetBas& b : s.VetBas) {
        if (!b.Num.isEmpty())
            linha(b.Num);
    }

    // Zeros, and the duty columns that have a heading, packed in duty order.
    MembrosDasEscalas membros(s);
    std::vector<int> colunas;
    for (int j = 1; j <= 30; ++j) {
        if (cabecalho[static_cast<size_t>(j)].isEmpty())
            continue;
        colunas.push_back(j);
        for (size_t r = 0; r < numeros.size(); ++r) {
            int& celula = contagem[r][static_cast<size_t>(j)];
            if (celula < 0 && membros.Contem(j, numeros[r]))
                celula = 0;
        }
    }

    const int n = int(colunas.size());
    Quadro quadro = Quadro::Vazio(ColunaSoma(n) + 1);
    quadro.Servicos = n;
    for (int i = 0; i < n; ++i)
        quadro.Cabecalho[i + 1] = cabecalho[static_cast<size_t>(colunas[static_cast<size_t>(i)])];
    quadro.Cabecalho[ColunaSoma(n)] = soma;
    quadro.Linhas.reserve(numeros.size());
    for (size_t r = 0; r < numeros.size(); ++r) {
        Quadro::Linha& l = quadro.NovaLinha(numeros[r]);
        for (int i = 0; i < n; ++i) {
            const int v = contagem[r][static_cast<size_t>(colunas[static_cast<size_t>(i)])];
            if (v >= 0)
                l.Cel[i + 1] = QString::number(v);
        }
    }
    OrdenaPorNumero(quadro);
    CalculaTotais(quadro);

    q.SGQuadroSv = std::move(quadro);
    q.SGQuadroSvAux = Quadro::Vazio(ColunaSoma(0) + 1);
    q.AuxVisivel = false;
    q.TodosServicos = true;
    q.DescrEscolhidas.clear();
    q.ExecutarHabilitado = false;
}

void CalculaTotais(Quadro& quadro) {
    const int coluna = ColunaSoma(quadro.Servicos);
    if (coluna >= quadro.Colunas())
        return;
    for (Quadro::Linha& l : quadro.Linhas) {
        int total = 0;
        for (int c = 1; c <= quadro.Servicos; ++c)
            total += l.Cel[c].toInt();
        l.Cel[coluna] = QString::number(total);
    }
}

void SeparaPorMilitares(QuadroServicos& q, const QStringList& numeros) {
    Quadro& cheio = q.SGQuadroSv;
    QSet<QString> escolhidos;
    for (const QString& n : numeros)
        escolhidos.insert(n);
    for (Quadro::Linha& l : cheio.Linhas)
        l.Marca = escolhidos.isEmpty() || escolhidos.contains(l.Cel[0]);
    q.SGQuadroSvAux = Separa(cheio, ColunasDe(cheio, q.TodosServicos, q.DescrEscolhidas), true);
    CalculaTotais(q.SGQuadroSvAux);
    q.AuxVisivel = true;
}

void SeparaPorServicos(Sistema& s, QuadroServicos& q) {
    q.TodosServicos = false;
    q.DescrEscolhidas = DescricoesMarcadas(s);
    Quadro& cheio = q.SGQuadroSv;
    q.SGQuadroSvAux = Separa(cheio, ColunasDe(cheio, false, q.DescrEscolhidas), true);
    MantemLinhas(q.SGQuadroSvAux, [](const QString& c) { return !c.isEmpty(); });
    CalculaTotais(q.SGQuadroSvAux);
    q.AuxVisivel = true;
}

void VoltaPesquisa(QuadroServicos& q) {
    for (Quadro::Linha& l : q.SGQuadroSv.Linhas)
        l.Marca = true;
    q.AuxVisivel = false;
}

void PreencheQuadroEscalas(Sistema& s, QuadroEscalas& q) {
    MontaEscalas(s, q, nullptr);
}

void PreencheQuadroEscalas(Sistema& s, QuadroEscalas& q, const QStringList& numeros) {
    const QSet<QString> escolhidos(numeros.begin(), numeros.end());
    MontaEscalas(s, q, &escolhidos);
}

void SeparaPorServicos(Sistema& s, QuadroEscalas& q) {
    const Quadro& cheio = q.SGQuadroEscalas;
    q.SGQuadroEscalasAux = Separa(cheio, ColunasDe(cheio, false, DescricoesMarcadas(s)), false);
    MantemLinhas(q.SGQuadroEscalasAux, [](const QString& c) { return c == sim; });
    q.AuxVisivel = true;
}

void VoltaPesquisa(QuadroEscalas& q) {
    q.AuxVisivel = false;
}

void ImprimeQuadro(Impressora& impressora, const Quadro& quadro) {
    // The scale of the portrait page, read before turning it.
    const double k = EscalaDaPagina(impressora);
    impressora.DefineOrientacao(Impressora::Orientacao::Paisagem);
    RetratoNoFim retrato(impressora);
    const int x0 = ArredondaPar(k * 50);
    const int w = ArredondaPar(k * 130);
    const int recuo = ArredondaPar(k * 40);
    const int topo = ArredondaPar(k * 50);
    const int altura = ArredondaPar(k * FolhaImpressa::AlturaFonte);
    constexpr int porFaixa = 19;

    impressora.IniciaDocumento();
    impressora.Fonte(QStringLiteral("Arial"), altura);
    const int ultima = quadro.Colunas() - 1;
    bool primeira = true;
    // Columns 1 to 19 first; the others, 19 at a time, on pages of their own.
    for (int desde = 1; primeira || desde <= ultima; desde += porFaixa) {
        const int ate = std::min(desde + porFaixa - 1, ultima);
        // Column c of the band stands at (c - desde + 1) x w + x0.
        const auto x = [&](int c) { return (c - desde + 1) * w + x0; };
        int y = 0;
        const auto cabecalho = [&] {
            y = topo;
            for (int c = desde; c <= ate; ++c)
                if (!quadro.Cabecalho[c].isEmpty())
                    impressora.Texto(x(c) - recuo, y, quadro.Cabecalho[c]);
            y += ArredondaPar(k * 80);
        };
        if (!primeira)
            impressora.NovaPagina();
        primeira = false;
        cabecalho();
        for (const Quadro::Linha& l : quadro.Linhas) {
            if (l.Cel[0].isEmpty())
                break;
            if (y + altura > impressora.AlturaPagina()) {
                impressora.NovaPagina();
                cabecalho();
            }
            impressora.Texto(x0, y, l.Cel[0]);
            for (int c = desde; c <= ate; ++c)
                if (!l.Cel[c].isEmpty())
                    impressora.Texto(x(c), y, l.Cel[c]);
            y += ArredondaPar(k * 50);
        }
    }
    impressora.FimDocumento();
}
