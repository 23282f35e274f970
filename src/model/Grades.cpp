#include "model/Grades.h"

#include "base/Falha.h"
#include "model/Servicos.h"
#include "model/Sistema.h"

#include <algorithm>
#include <iterator>
#include <limits>

FGrades::FGrades() : GradeSv(31), GradeSvPt(31), GradeSvVm(31) {}

GradeTexto* SelecionaGrade(Sistema& s, int n, const QString& tipo) {
    if (n < 1 || n > 30)
        return nullptr;
    s.TabelaAtual = QStringLiteral("Sv%1.DB").arg(n);
    if (tipo == QLatin1String("Base"))
        return &s.Grades.GradeSv[n];
    if (tipo == QLatin1String("Pt"))
        return &s.Grades.GradeSvPt[n];
    if (tipo == QLatin1String("Vm"))
        return &s.Grades.GradeSvVm[n];
    return nullptr;
}

void LimpaGrade(GradeTexto& g) {
    const QString zero = QStringLiteral("0");
    for (int r = 0; r <= 500 && r < g.Linhas(); ++r) {
        for (int c = 0; c <= 2; ++c)
            g.DefineCel(c, r, QString());
        g.DefineCel(3, r, zero);
        g.DefineCel(4, r, zero);
    }
    g.Bloqueada.Limpa();
}

void LimpaGradeMil(GradeTexto& g) {
    if (g.Linhas() < 1001)
        g.Redimensiona(g.Colunas(), 1001);
    for (int r = 1; r <= 1000; ++r)
        for (int c = 0; c < 5; ++c)
            g.DefineCel(c, r, QString());
    g.Bloqueada.Limpa();
}

void CarregaGradeSv(Sistema& s, GradeTexto& g, const QString& tabela, Banco banco) {
    const QString nome = DMGeral::NomeTabela(tabela);
    auto t = s.dm.AbreTabela(banco, tabela);
    const int maximo = g.Linhas() - 1;
    int r = 0;
    Bloqueio& bloqueio = g.Bloqueada;
    bloqueio.Inicia(NomeParaOperador(banco, nome));
    const int num = t.Indice(QStringLiteral("Num")), pt = t.Indice(QStringLiteral("Pt")),
              vm = t.Indice(QStringLiteral("Vm")), usvPt = t.Indice(QStringLiteral("USvPt")),
              usvVm = t.Indice(QStringLiteral("USvVm"));
    while (t.Proximo()) {
        if (++r > maximo) {
            bloqueio.Acrescenta(QStringLiteral("mais de %1 militares (só os %1 primeiros foram "
                                               "lidos)")
                                    .arg(maximo));
            bloqueio.DefineRemedio(QStringLiteral("Corrija a tabela em Manutenção (item 12)"));
            throw Falha(QStringLiteral("A escala %1 tem mais de %2 militares; só os %2 primeiros "
                                       "foram lidos.\nEla não será gravada até que a tabela seja "
                                       "corrigida.")
                            .arg(nome)
                            .arg(maximo));
        }
        const QString numero = t.Texto(num);
        if (numero.isEmpty())
            bloqueio.Acrescenta(QStringLiteral("na linha %1 um número vazio (Num)").arg(r));
        else if (numero.size() > 4)
            bloqueio.Acrescenta(
                QStringLiteral("na linha %1 o número \"%2\", com mais de 4 caracteres (Num)")
                    .arg(r)
                    .arg(numero));
        g.DefineCel(0, r, numero);
        g.DefineCel(1, r,
                    QString::number(InteiroDaLinha(t, pt, QStringLiteral("Pt"), r, bloqueio)));
        g.DefineCel(2, r,
                    QString::number(InteiroDaLinha(t, vm, QStringLiteral("Vm"), r, bloqueio)));
        g.DefineCel(3, r, t.Texto(usvPt));
        g.DefineCel(4, r, t.Texto(usvVm));
    }
    AvisaBloqueio(s, bloqueio);
}

namespace {

int Contador(const GradeTexto& g, int coluna, int linha, const QString& tabela) {
    bool ok = false;
    const int n = g.Cel(coluna, linha).trimmed().toInt(&ok);
    if (!ok)
        throw Falha(QStringLiteral("\"%1\" não é um número inteiro válido (escala %2, militar "
                                   "%3)")
                        .arg(g.Cel(coluna, linha), tabela, g.Cel(0, linha)));
    return n;
}

// The rows GravaGradeSv writes.
QList<QVariantList> LinhasDaGrade(const GradeTexto& g, const QString& nome) {
    QList<QVariantList> linhas;
    for (int r = 1; r <= 500 && r < g.Linhas(); ++r) {
        const QString& num = g.Cel(0, r);
        if (num.isEmpty() || num == QLatin1String("x"))
            continue;
        linhas.append(
            {num, Contador(g, 1, r, nome), Contador(g, 2, r, nome), g.Cel(3, r), g.Cel(4, r)});
    }
    return linhas;
}

// The rows GravaGradeSv writes; throws when the grid may not be written.
QList<QVariantList> LinhasAGravar(const GradeTexto& g, const QString& nome) {
    g.Bloqueada.RecusaGravar();
    return LinhasDaGrade(g, nome);
}

} // namespace

void GravaGradeSv(Sistema& s, GradeTexto& g, const QString& tabela, Banco banco) {
    const QString nome = DMGeral::NomeTabela(tabela);
    s.dm.SubstituiLinhas(banco, nome, LinhasAGravar(g, nome));
}

void GradeComoRelida(GradeTexto& g, const QString& tabela) {
    const QList<QVariantList> linhas = LinhasAGravar(g, DMGeral::NomeTabela(tabela));
    LimpaGrade(g);
    int r = 0;
    for (const QVariantList& l : linhas) {
        ++r;
        g.DefineCel(0, r, l[0].toString());
        g.DefineCel(1, r, QString::number(l[1].toInt()));
        g.DefineCel(2, r, QString::number(l[2].toInt()));
        g.DefineCel(3, r, l[3].toString());
        g.DefineCel(4, r, l[4].toString());
    }
}

bool GradeComoNaTabela(Sistema& s, const GradeTexto& g, int n) {
    const QString nome = QStringLiteral("Sv%1").arg(n);
    if (g.Bloqueada.Ativo())
        return false;
    const QList<QVariantList> linhas = LinhasDaGrade(g, nome);
    auto t = s.dm.AbreTabela(Banco::Principal, nome);
    std::vector<int> indices;
    for (const QString& campo : DMGeral::Campos(nome))
        indices.push_back(t.Indice(campo));
    qsizetype i = 0;
    for (; t.Proximo(); ++i) {
        if (i >= linhas.size())
            return false;
        // A NULL reads as a null text; the integer columns hold integers.
        for (size_t c = 0; c < indices.size(); ++c) {
            const QString guardado = t.Texto(indices[c]);
            if (guardado.isNull() || guardado != linhas[i][static_cast<qsizetype>(c)].toString())
                return false;
        }
    }
    return i == linhas.size();
}

void CarregaGrade(Sistema& s, GradeTexto& g, int n, Banco banco) {
    const QString tabela = QStringLiteral("Sv%1.DB").arg(n);
    const std::shared_ptr<const void> linhas = s.dm.AbreTabela(banco, tabela).Identidade();
    GradeTexto::Carga& carga = g.UltimaCarga;
    if (carga.linhas == linhas && carga.banco == static_cast<int>(banco) &&
        carga.versao == g.Versao()) {
        g.Bloqueada = carga.bloqueio;
        AvisaBloqueio(s, g.Bloqueada);
        return;
    }
    carga = GradeTexto::Carga();
    LimpaGrade(g);
    CarregaGradeSv(s, g, tabela, banco);
    carga = {linhas, static_cast<int>(banco), g.Versao(), g.Bloqueada};
}

void DefineMembro(GradeTexto& g, const QString& num, int pt, int vm) {
    int r = g.LinhaDe(num);
    if (r == 0) {
        r = g.PrimeiraVazia();
        g.DefineCel(0, r, num);
        g.DefineCel(3, r, QString::fromLatin1(DataNuncaTexto));
        g.DefineCel(4, r, QString::fromLatin1(DataNuncaTexto));
    }
    g.DefineCel(1, r, QString::number(pt));
    g.DefineCel(2, r, QString::number(vm));
}

void CarregaGrades(Sistema& s, Banco banco) {
    for (int n = 1; n <= 30; ++n)
        if (s.VetSv[n].Definido())
            CarregaGrade(s, s.Grades.GradeSv[n], n, banco);
}

void RecarregaGrade(Sistema& s, GradeTexto& g, int n) {
    CarregaGrade(s, g, n, Banco::Principal);
}

GradeTexto& RecarregaGrade(Sistema& s, int n) {
    GradeTexto& g = *SelecionaGrade(s, n, QStringLiteral("Base"));
    RecarregaGrade(s, g, n);
    return g;
}

void GravaGrades(Sistema& s, Banco banco, bool mantemBloqueadas) {
    DMGeral::Transacao t(s.dm, banco);
    for (int n = 1; n <= 30; ++n)
        if (s.VetSv[n].Definido() && !(mantemBloqueadas && s.Grades.GradeSv[n].Bloqueada.Ativo()))
            GravaGradeSv(s, s.Grades.GradeSv[n], QStringLiteral("Sv%1.DB").arg(n), banco);
    t.Confirma();
}

bool MilNaGrade(Sistema& s, const QString& num, int n) {
    CarregaVetSv(s, Banco::Principal);
    GradeTexto& g = s.Grades.GradeSv[n];
    CarregaGradeSv(s, g, QStringLiteral("Sv%1.DB").arg(n), Banco::Principal);
    for (int r = 1; r <= 500 && !g.Cel(0, r).isEmpty(); ++r)
        if (g.Cel(0, r) == num)
            return true;
    return false;
}

// --- Rotation order ---

MapaAntiguidade::MapaAntiguidade(Sistema& s)
    : geracao(++s.GeracaoMapas), anoAtual(s.relogio.Hoje().ParaQDate().year()) {
    for (int a = 1; a <= 1000; ++a)
        if (!s.VetBas[a].Num.isEmpty())
            antig.insert(s.VetBas[a].Num, s.VetBas[a].Antig); // later records win
}

namespace {

struct PartesChave {
    long long contador;
    long long dias;
    long long antiguidade;
};

// A whole number written plainly (digits, an optional minus sign); the slow
// conversion handles anything else.
bool InteiroSimples(const QString& t, long long& valor) {
    const qsizetype n = t.size();
    if (n == 0 || n > 12)
        return false;
    qsizetype i = t[0] == QLatin1Char('-') ? 1 : 0;
    if (i == n)
        return false;
    long long v = 0;
    for (; i < n; ++i) {
        const char16_t c = t[i].unicode();
        if (c < u'0' || c > u'9')
            return false;
        v = v * 10 + (c - u'0');
    }
    valor = t[0] == QLatin1Char('-') ? -v : v;
    return true;
}

// A "dd/mm/yy" date as the grids write it, read without the general parser.
std::optional<Data> DataDaGrade(const QString& t, int anoAtual) {
    if (t.size() == 8 && t[2] == QLatin1Char('/') && t[5] == QLatin1Char('/')) {
        int v[3];
        bool ok = true;
        for (int p = 0; p < 3 && ok; ++p) {
            const char16_t a = t[p * 3].unicode(), b = t[p * 3 + 1].unicode();
            ok = a >= u'0' && a <= u'9' && b >= u'0' && b <= u'9';
            v[p] = (a - u'0') * 10 + (b - u'0');
        }
        if (ok) {
            const QDate d(Data::AnoDoisDigitos(v[2], anoAtual), v[1], v[0]);
            if (d.isValid())
                return Data::DeQDate(d);
        }
    }
    return Data::DeTexto(t, anoAtual);
}

PartesChave Partes(const GradeTexto& g, int linha, bool pretas, const MapaAntiguidade& mapa) {
    const int colContador = pretas ? 1 : 2;
    const int colData = pretas ? 3 : 4;
    const QString& textoContador = g.Cel(colContador, linha);
    long long contador = 0;
    if (!InteiroSimples(textoContador, contador)) {
        bool ok = false;
        contador = textoContador.trimmed().toLongLong(&ok);
        if (!ok)
            throw Falha(
                QStringLiteral("\"%1\" não é um número inteiro válido (contador do militar %2)")
                    .arg(textoContador, g.Cel(0, linha)));
    }
    const auto dia = DataDaGrade(g.Cel(colData, linha), mapa.AnoAtual());
    if (!dia)
        throw Falha(QStringLiteral("\"%1\" não é uma data válida (último serviço do militar %2)")
                        .arg(g.Cel(colData, linha), g.Cel(0, linha)));
    return {contador + 100, (*dia - DataNunca()) + 10000LL, 10000LL - mapa.Antig(g.Cel(0, linha))};
}

// The text key packed into a number that orders the same way: each character
// is a base-12 digit ('-' 1, '0'..'9' 2..11) and the end of the text, which
// sorts before any character, is 0. Keys of up to 16 characters fit.
constexpr int maxCaracteres = 16;

bool AcrescentaDecimal(std::uint64_t& acumulado, int& tamanho, long long valor) {
    char digitos[24];
    int n = 0;
    const bool negativo = valor < 0;
    unsigned long long v = negativo ? 0ULL - static_cast<unsigned long long>(valor)
                                    : static_cast<unsigned long long>(valor);
    do {
        digitos[n++] = static_cast<char>('0' + v % 10);
        v /= 10;
    } while (v != 0);
    if (tamanho + n + (negativo ? 1 : 0) > maxCaracteres)
        return false;
    if (negativo) {
        acumulado = acumulado * 12 + 1;
        ++tamanho;
    }
    while (n > 0) {
        acumulado = acumulado * 12 + static_cast<std::uint64_t>(digitos[--n] - '0' + 2);
        ++tamanho;
    }
    return true;
}

bool Codifica(const PartesChave& p, std::uint64_t& chave) {
    std::uint64_t acumulado = 0;
    int tamanho = 0;
    if (!AcrescentaDecimal(acumulado, tamanho, p.contador) ||
        !AcrescentaDecimal(acumulado, tamanho, p.dias) ||
        !AcrescentaDecimal(acumulado, tamanho, p.antiguidade))
        return false;
    for (; tamanho < maxCaracteres; ++tamanho)
        acumulado *= 12;
    chave = acumulado;
    return true;
}

QString Texto(const PartesChave& p) {
    return QString::number(p.contador) + QString::number(p.dias) + QString::number(p.antiguidade);
}

// Minimum over positions, to find the first later row with a smaller key.
class ArvoreMinimo {
public:
    explicit ArvoreMinimo(const std::vector<std::uint64_t>& chaves) {
        while (tamanho < static_cast<int>(chaves.size()))
            tamanho *= 2;
        no.assign(static_cast<size_t>(2 * tamanho), std::numeric_limits<std::uint64_t>::max());
        for (size_t i = 0; i < chaves.size(); ++i)
            no[tamanho + i] = chaves[i];
        for (int i = tamanho - 1; i >= 1; --i)
            no[i] = std::min(no[2 * i], no[2 * i + 1]);
    }
    void Define(int pos, std::uint64_t valor) {
        int i = tamanho + pos;
        no[i] = valor;
        for (i /= 2; i >= 1; i /= 2)
            no[i] = std::min(no[2 * i], no[2 * i + 1]);
    }
    // First position >= inicio whose value is below limite; -1 when none.
    int PrimeiroMenor(int inicio, std::uint64_t limite) const {
        return Busca(1, 0, tamanho - 1, inicio, limite);
    }

private:
    int Busca(int i, int esq, int dir, int inicio, std::uint64_t limite) const {
        if (dir < inicio || no[i] >= limite)
            return -1;
        if (esq == dir)
            return esq;
        const int meio = (esq + dir) / 2;
        const int r = Busca(2 * i, esq, meio, inicio, limite);
        return r >= 0 ? r : Busca(2 * i + 1, meio + 1, dir, inicio, limite);
    }
    int tamanho = 1;
    std::vector<std::uint64_t> no;
};

// The exchange sort on packed keys: for each a, every later b (in order) whose
// key is below a's current key is exchanged with a. Only the keys and the row
// numbers move; origem[i] ends as the row that goes to position i.
void TrocaTudo(std::vector<std::uint64_t>& k, std::vector<int>& origem, int m) {
    for (int a = 1; a < m; ++a) {
        std::uint64_t atual = k[a];
        int linha = origem[a];
        for (int b = a + 1; b <= m; ++b) {
            const std::uint64_t kb = k[b];
            const int lb = origem[b];
            const bool menor = kb < atual;
            k[b] = menor ? atual : kb;
            origem[b] = menor ? linha : lb;
            atual = menor ? kb : atual;
            linha = menor ? lb : linha;
        }
        k[a] = atual;
        origem[a] = linha;
    }
}

// The same exchange sort when few rows are out of place: the tree finds the
// rows a pass exchanges without looking at the others.
void TrocaPoucos(std::vector<std::uint64_t>& k, std::vector<int>& origem, int m) {
    k[0] = std::numeric_limits<std::uint64_t>::max();
    ArvoreMinimo arvore(k);
    for (int a = 1; a < m; ++a) {
        int b = a + 1;
        for (;;) {
            const int j = arvore.PrimeiroMenor(b, k[a]);
            if (j < 0 || j > m)
                break;
            std::swap(k[a], k[j]);
            std::swap(origem[a], origem[j]);
            arvore.Define(a, k[a]);
            arvore.Define(j, k[j]);
            b = j + 1;
        }
    }
}

// The exchange sort exactly as specified, on text keys (for keys too long to
// pack).
void OrdenaPorTexto(Sistema& s, GradeTexto& g, int m, bool pretas, const MapaAntiguidade& mapa) {
    std::vector<QString> chaves(static_cast<size_t>(m) + 1);
    for (int r = 1; r <= m; ++r)
        chaves[r] = ChaveOrdemTexto(s, g, r, pretas, mapa);
    for (int a = 1; a <= m; ++a)
        for (int b = a + 1; b <= m; ++b)
            if (chaves[a] > chaves[b]) {
                std::swap(chaves[a], chaves[b]);
                g.TrocaLinhas(a, b);
            }
}

} // namespace

QString ChaveOrdemTexto(Sistema&, const GradeTexto& g, int linha, bool pretas,
                        const MapaAntiguidade& mapa) {
    return Texto(Partes(g, linha, pretas, mapa));
}

void OrdenaGrade(Sistema& s, GradeTexto& g, const QString& tipo) {
    const MapaAntiguidade mapa(s);
    OrdenaGrade(s, g, tipo, mapa);
}

void OrdenaGrade(Sistema& s, GradeTexto& g, const QString& tipo, const MapaAntiguidade& mapa) {
    const bool pretas = tipo == QLatin1String("Pt");
    const int m = qMin(g.PrimeiraVazia(), 501) - 1;
    if (m < 2)
        return;

    // Each row's key once: from the row's cache when the row is untouched since
    // it was computed with this map and kind.
    std::vector<std::uint64_t> chaves(static_cast<size_t>(m) + 1, 0);
    std::vector<int> novas; // rows whose key was computed now
    for (int r = 1; r <= m; ++r) {
        GradeTexto::ChaveOrdem& cache = g.Chave(r, pretas);
        if (cache.geracao == mapa.Geracao()) {
            chaves[r] = cache.valor;
            continue;
        }
        if (!Codifica(Partes(g, r, pretas, mapa), chaves[r])) {
            OrdenaPorTexto(s, g, m, pretas, mapa);
            return;
        }
        cache = {chaves[r], mapa.Geracao()};
        novas.push_back(r);
    }

    bool ordenada = true;
    for (int r = 2; r <= m && ordenada; ++r)
        ordenada = chaves[r - 1] <= chaves[r];
    if (ordenada)
        return;

    // The sorted order of the keys. When the untouched rows are still in order
    // (a sort since the last few changes), the changed rows are merged in;
    // otherwise everything is sorted.
    std::vector<std::pair<std::uint64_t, int>> ordem;
    ordem.reserve(static_cast<size_t>(m));
    std::vector<char> nova(static_cast<size_t>(m) + 1, 0);
    for (int r : novas)
        nova[r] = 1;
    bool restoOrdenado = novas.size() * 4 < static_cast<size_t>(m);
    std::uint64_t anterior = 0;
    for (int r = 1; r <= m && restoOrdenado; ++r)
        if (!nova[r]) {
            restoOrdenado = chaves[r] >= anterior;
            anterior = chaves[r];
        }
    if (restoOrdenado) {
        std::vector<std::pair<std::uint64_t, int>> mudadas, resto;
        for (int r = 1; r <= m; ++r)
            (nova[r] ? mudadas : resto).emplace_back(chaves[r], r);
        std::sort(mudadas.begin(), mudadas.end());
        std::merge(resto.begin(), resto.end(), mudadas.begin(), mudadas.end(),
                   std::back_inserter(ordem));
    } else {
        for (int r = 1; r <= m; ++r)
            ordem.emplace_back(chaves[r], r);
        std::sort(ordem.begin(), ordem.end());
    }
    // With no two equal keys the sorted order is the only one the exchange
    // sort can reach; equal keys need the exchange sort itself.
    bool empates = false;
    for (int i = 1; i < m && !empates; ++i)
        empates = ordem[i - 1].first == ordem[i].first;
    std::vector<int> origem(static_cast<size_t>(m) + 1);
    if (!empates) {
        for (int i = 0; i < m; ++i)
            origem[i + 1] = ordem[i].second;
    } else {
        for (int r = 0; r <= m; ++r)
            origem[r] = r;
        int descidas = 0;
        for (int r = 2; r <= m; ++r)
            descidas += chaves[r - 1] > chaves[r] ? 1 : 0;
        if (descidas * 16 > m)
            TrocaTudo(chaves, origem, m);
        else
            TrocaPoucos(chaves, origem, m);
    }
    g.Permuta(origem);
}
