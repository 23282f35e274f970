#include "maintenance/EdicaoTabelas.h"

#include "base/Falha.h"
#include "maintenance/PostosGraduacoes.h"
#include "model/Sistema.h"
#include "reports/Impressao.h"

#include <QSqlError>
#include <QSqlRecord>

#include <algorithm>
#include <limits>
#include <utility>

namespace {

// How a field is shown, typed and checked.
enum class Tipo {
    Inteiro,
    Texto,
    Data,       // ISO or NULL in the table, "dd/mm/yy" on the screen
    DataTexto,  // a "dd/mm/yy" text (USvPt, USvVm)
    ListaDatas, // up to ten "dd/mm/yy" dates, each followed by a blank (USv)
};

struct Campo {
    const char* nome;
    Tipo tipo;
    int largura = 0; // texts: the field's width
};

const QList<Campo>& CamposDe(const QString& tabela) {
    static const QList<Campo> sv{{"CodSv", Tipo::Inteiro}, {"Descr", Tipo::Texto, 8},
                                 {"Ini", Tipo::Data},      {"Fim", Tipo::Data},
                                 {"Quant", Tipo::Inteiro}, {"Prio", Tipo::Inteiro},
                                 {"Folga", Tipo::Inteiro}, {"TipoSv", Tipo::Texto, 2}};
    static const QList<Campo> basico{
        {"Num", Tipo::Texto, 4},        {"PstGrd", Tipo::Texto, 7}, {"Nome", Tipo::Texto, 15},
        {"PR", Tipo::Texto, 1},         {"Ini", Tipo::Data},        {"Fim", Tipo::Data},
        {"USv", Tipo::ListaDatas, 109}, {"Antig", Tipo::Inteiro}};
    static const QList<Campo> rodizio{{"Num", Tipo::Texto, 4},
                                      {"Pt", Tipo::Inteiro},
                                      {"Vm", Tipo::Inteiro},
                                      {"USvPt", Tipo::DataTexto, 20},
                                      {"USvVm", Tipo::DataTexto, 20}};
    if (tabela == QLatin1String("Sv"))
        return sv;
    if (tabela == QLatin1String("Basico"))
        return basico;
    return rodizio;
}

// The columns of the queries that hold a date of the store.
bool ColunaDeData(const QString& coluna) {
    return coluna == QLatin1String("Ini") || coluna == QLatin1String("Fim") ||
           coluna == QLatin1String("Fora Escala de") || coluna == QLatin1String("Fora Escala ate");
}

// A stored date as the operator reads it; anything else as it is.
QString TextoDeData(const QVariant& v) {
    if (v.isNull())
        return QString();
    const QString texto = v.toString();
    const QDate dia = QDate::fromString(texto.left(10), Qt::ISODate);
    return dia.isValid() && texto.size() == 10 ? Data::DeQDate(dia).Texto() : texto;
}

Recusa NadaGravado(const QString& texto) {
    return Recusa(texto + QStringLiteral("\nNada foi gravado; corrija o valor ou clique em "
                                         "Cancelar."));
}

} // namespace

// --- ModeloTabela ---

ModeloTabela::ModeloTabela(Sistema& s, const QString& tabela, QObject* pai)
    : QSqlTableModel(pai, s.dm.ConexaoPrincipal()), sis(s), nome(DMGeral::NomeTabela(tabela)) {
    setTable(nome);
    setEditStrategy(QSqlTableModel::OnManualSubmit);
    Le();
}

QString ModeloTabela::selectStatement() const {
    return QSqlTableModel::selectStatement() + QStringLiteral(" ORDER BY rowid");
}

void ModeloTabela::Le() {
    alteradas.clear();
    if (!select())
        throw Falha(
            QStringLiteral("Erro no banco de dados (%1): %2").arg(nome, lastError().text()));
    while (canFetchMore())
        fetchMore();
}

QVariant ModeloTabela::data(const QModelIndex& indice, int papel) const {
    // The edit role gives the value as stored (the model's records read it);
    // the grid's editor starts from what is shown.
    const QVariant v = QSqlTableModel::data(indice, papel);
    if (papel != Qt::DisplayRole)
        return v;
    const QList<Campo>& campos = CamposDe(nome);
    if (indice.column() < campos.size() && campos[indice.column()].tipo == Tipo::Data)
        return TextoDeData(v);
    return v.isNull() ? QString() : v.toString();
}

bool ModeloTabela::setData(const QModelIndex& indice, const QVariant& valor, int papel) {
    if (papel != Qt::EditRole || !indice.isValid())
        return QSqlTableModel::setData(indice, valor, papel);
    const QList<Campo>& campos = CamposDe(nome);
    if (indice.column() >= campos.size())
        return false;
    const Campo& campo = campos[indice.column()];
    QString texto = valor.toString();
    QVariant guardado;
    switch (campo.tipo) {
    case Tipo::Data:
        // A typed date is held as the table holds it; other text stays as
        // typed, to be refused when the row is posted.
        if (texto.trimmed().isEmpty())
            guardado = QVariant(QMetaType::fromType<QString>());
        else if (const std::optional<Data> dia = sis.LeData(texto.trimmed()))
            guardado = dia->ParaQDate().toString(Qt::ISODate);
        else
            guardado = texto;
        break;
    case Tipo::Inteiro:
        guardado = texto;
        break;
    default:
        if (texto.isNull())
            texto = QLatin1String("");
        guardado = texto.left(campo.largura);
    }
    if (!QSqlTableModel::setData(indice, guardado, papel))
        return false;
    if (!alteradas.contains(indice.row()))
        alteradas.append(indice.row());
    return true;
}

int ModeloTabela::PrimeiraAlterada() const {
    return alteradas.isEmpty() ? -1 : *std::min_element(alteradas.begin(), alteradas.end());
}

QVariantList ModeloTabela::Valores(int linha) const {
    const QSqlRecord r = record(linha);
    QVariantList valores;
    for (int i = 0; i < r.count(); ++i)
        valores << r.value(i);
    return valores;
}

QVariantList ModeloTabela::Originais(int linha) const {
    // Without a primary key these are every field of the row as read.
    const QSqlRecord r = primaryValues(linha);
    QVariantList valores;
    for (int i = 0; i < r.count(); ++i)
        valores << r.value(i);
    return valores;
}

void ModeloTabela::Confere(int linha, QVariantList& valores) const {
    const QList<Campo>& campos = CamposDe(nome);
    const QString onde = QStringLiteral("linha %1 da tabela %2").arg(linha + 1).arg(nome);
    for (qsizetype k = 0; k < campos.size(); ++k) {
        const Campo& campo = campos[k];
        const QString nomeCampo = QLatin1String(campo.nome);
        QVariant& v = valores[k];
        const QString texto = v.isNull() ? QString() : v.toString();
        switch (campo.tipo) {
        case Tipo::Inteiro: {
            bool ok = false;
            const qlonglong n = texto.trimmed().toLongLong(&ok);
            if (!ok || n < std::numeric_limits<int>::min() || n > std::numeric_limits<int>::max())
                throw NadaGravado(QStringLiteral("\"%1\" não é um número inteiro (campo %2, %3).")
                                      .arg(texto, nomeCampo, onde));
            v = n;
            break;
        }
        case Tipo::Data:
            if (!v.isNull() && !texto.isEmpty() && !QDate::fromString(texto, Qt::ISODate).isValid())
                throw NadaGravado(texto + QStringLiteral(" >>> Data inválida"));
            break;
        case Tipo::DataTexto: {
            if (texto.trimmed().isEmpty())
                throw NadaGravado(QStringLiteral("O campo %1 (%2) não pode ficar em branco: "
                                                 "para quem ainda não tirou o serviço, use "
                                                 "13/05/09.")
                                      .arg(nomeCampo, onde));
            const std::optional<Data> dia = sis.LeData(texto.trimmed());
            if (!dia)
                throw NadaGravado(texto + QStringLiteral(" >>> Data inválida"));
            v = dia->Texto();
            break;
        }
        case Tipo::ListaDatas: {
            const QStringList datas = texto.split(QLatin1Char(' '), Qt::SkipEmptyParts);
            if (datas.size() > 10)
                throw NadaGravado(QStringLiteral("O campo USv (%1) tem %2 datas; cabem no "
                                                 "máximo 10.")
                                      .arg(onde)
                                      .arg(datas.size()));
            QString lista;
            for (const QString& d : datas) {
                const std::optional<Data> dia = sis.LeData(d);
                if (!dia)
                    throw NadaGravado(d + QStringLiteral(" >>> Data inválida"));
                lista += dia->Texto() + QLatin1Char(' ');
            }
            v = lista;
            break;
        }
        case Tipo::Texto:
            v = texto.isNull() ? QString(QLatin1String("")) : texto.left(campo.largura);
            break;
        }
    }

    // The key of the row: the duty code, or the personnel number.
    const bool servicos = nome == QLatin1String("Sv");
    if (servicos) {
        const qlonglong codigo = valores[0].toLongLong();
        if (codigo < 1 || codigo > 30)
            throw NadaGravado(QStringLiteral("%1 não é um código de serviço: os códigos vão de 1 "
                                             "a 30 (campo CodSv, %2).")
                                  .arg(codigo)
                                  .arg(onde));
        const QString tipo = valores[7].toString();
        if (tipo != QLatin1String("PV") && tipo != QLatin1String("Pt") &&
            tipo != QLatin1String("Vm"))
            throw NadaGravado(QStringLiteral("\"%1\" não é um tipo de serviço: use PV, Pt ou Vm "
                                             "(campo TipoSv, %2).")
                                  .arg(tipo, onde));
    } else {
        if (valores[0].toString().trimmed().isEmpty())
            throw NadaGravado(
                QStringLiteral("O número do militar não pode ficar em branco (campo Num, %1).")
                    .arg(onde));
        if (nome == QLatin1String("Basico")) {
            const QString pr = valores[3].toString();
            if (!pr.isEmpty() && pr != QLatin1String("P") && pr != QLatin1String("R"))
                throw NadaGravado(QStringLiteral("\"%1\" não é um afastamento: use P (previsto), "
                                                 "R (real) ou deixe em branco (campo PR, %2).")
                                      .arg(pr, onde));
        }
    }
    const QString chave = valores[0].toString().trimmed();
    for (int outra = 0; outra < rowCount(); ++outra) {
        if (outra == linha)
            continue;
        if (record(outra).value(0).toString().trimmed() != chave)
            continue;
        throw NadaGravado(servicos ? QStringLiteral("O código de serviço %1 já está na linha %2 "
                                                    "da tabela Sv.")
                                         .arg(chave)
                                         .arg(outra + 1)
                                   : QStringLiteral("O número %1 já está na linha %2 da tabela "
                                                    "%3.")
                                         .arg(chave)
                                         .arg(outra + 1)
                                         .arg(nome));
    }
}

void ModeloTabela::Grava() {
    if (alteradas.isEmpty())
        return;
    std::sort(alteradas.begin(), alteradas.end());
    // Every row is checked before anything is written.
    QList<QVariantList> novas;
    for (int linha : alteradas) {
        QVariantList valores = Valores(linha);
        Confere(linha, valores);
        novas << valores;
    }
    DMGeral::Transacao t(sis.dm, Banco::Principal);
    t.Registra(QStringLiteral("Edição de tabela"), QStringLiteral("tabela %1").arg(nome));
    for (qsizetype i = 0; i < alteradas.size(); ++i)
        sis.dm.AlteraLinha(nome, alteradas[i], Originais(alteradas[i]), novas[i]);
    t.Confirma();
    Le();
}

void ModeloTabela::Cancela() {
    revertAll();
    alteradas.clear();
}

void ModeloTabela::Apaga(int linha) {
    Cancela();
    if (linha < 0 || linha >= rowCount())
        return;
    DMGeral::Transacao t(sis.dm, Banco::Principal);
    t.Registra(QStringLiteral("Edição de tabela"),
               QStringLiteral("tabela %1: linha %2 apagada").arg(nome).arg(linha + 1));
    sis.dm.ApagaLinha(nome, linha, Originais(linha));
    t.Confirma();
    Le();
}

// --- ModeloConsulta ---

QVariant ModeloConsulta::data(const QModelIndex& indice, int papel) const {
    const QVariant v = QSqlQueryModel::data(indice, papel);
    if (papel != Qt::DisplayRole)
        return v;
    if (ColunaDeData(headerData(indice.column(), Qt::Horizontal).toString()))
        return TextoDeData(v);
    return v.isNull() ? QString() : v.toString();
}

void ModeloConsulta::Executa(Sistema& s, const QString& sql, const QVariantList& valores) {
    QSqlQuery q(s.dm.ConexaoPrincipal());
    if (!q.prepare(sql))
        throw Falha(QStringLiteral("Erro no banco de dados: %1").arg(q.lastError().text()));
    for (const QVariant& v : valores)
        q.addBindValue(v);
    if (!q.exec())
        throw Falha(QStringLiteral("Erro no banco de dados: %1").arg(q.lastError().text()));
    setQuery(std::move(q));
    while (canFetchMore())
        fetchMore();
    if (lastError().isValid())
        throw Falha(QStringLiteral("Erro no banco de dados: %1").arg(lastError().text()));
}

QString ModeloConsulta::Texto(int linha, const QString& campo) const {
    const int coluna = record().indexOf(campo);
    if (coluna < 0)
        throw Falha(QStringLiteral("Campo inexistente: %1").arg(campo));
    return data(index(linha, coluna)).toString();
}

// --- EdicaoTabelas ---

EdicaoTabelas::EdicaoTabelas(Sistema& s) : sis(s) {}

EdicaoTabelas::~EdicaoTabelas() = default;

QAbstractItemModel* EdicaoTabelas::Modelo() const {
    if (tabela)
        return tabela.get();
    return consulta.get();
}

void EdicaoTabelas::Mostra(std::unique_ptr<ModeloTabela> t) {
    consulta.reset();
    tabela = std::move(t);
}

void EdicaoTabelas::Mostra(const QString& sql, const QVariantList& valores) {
    auto c = std::make_unique<ModeloConsulta>();
    c->Executa(sis, sql, valores);
    tabela.reset();
    consulta = std::move(c);
    sqlConsulta = sql;
    valoresConsulta = valores;
}

void EdicaoTabelas::Atualiza() {
    if (tabela) {
        tabela->Cancela();
        tabela->Le();
    } else if (consulta) {
        Mostra(sqlConsulta, valoresConsulta);
    }
}

void EdicaoTabelas::Servicos() {
    Mostra(std::make_unique<ModeloTabela>(sis, QStringLiteral("Sv")));
    opcao = Opcao::Servicos;
}

void EdicaoTabelas::Pessoal() {
    Mostra(std::make_unique<ModeloTabela>(sis, QStringLiteral("Basico")));
    opcao = Opcao::Pessoal;
}

void EdicaoTabelas::PesquisaNum(const QString& num) {
    Mostra(DMGeral::SqlBasicoPorNum(), {num});
}

void EdicaoTabelas::PesquisaNome(const QString& parte) {
    Mostra(DMGeral::SqlBasicoPorNome(), {parte});
}

void EdicaoTabelas::PesquisaAfastamento(const QString& pr) {
    Mostra(DMGeral::SqlBasicoPorPR(!pr.isEmpty()), {pr.isEmpty() ? QLatin1String("") : pr});
}

void EdicaoTabelas::VerTodos() {
    Mostra(QStringLiteral("SELECT * FROM Basico ORDER BY rowid"), {});
}

void EdicaoTabelas::PreparaEscolha() {
    CarregaVetSv(sis, Banco::Principal);
}

bool EdicaoTabelas::Escolhido() {
    for (int k = 1; k <= 30; ++k)
        if (sis.VetSv[k].Definido() && sis.VetSv[k].Sel == QLatin1String("S")) {
            servico = k;
            return true;
        }
    return false;
}

bool EdicaoTabelas::Rodizio() {
    if (!Escolhido())
        return false;
    Mostra(std::make_unique<ModeloTabela>(sis, QStringLiteral("Sv%1").arg(servico)));
    opcao = Opcao::Rodizio;
    return true;
}

bool EdicaoTabelas::Situacao() {
    if (!Escolhido())
        return false;
    Mostra(DMGeral::SqlSvNBasico(servico), {});
    opcao = Opcao::Situacao;
    return true;
}

bool EdicaoTabelas::PrimeiroUsoSituacao() {
    return !std::exchange(situacaoUsada, true);
}

QString EdicaoTabelas::Descricao() const {
    return servico == 0 ? QString() : sis.VetSv[servico].Descr;
}

void EdicaoTabelas::Imprime(Impressora& impressora, QList<int> linhas) const {
    if (opcao != Opcao::Situacao || !consulta)
        return;
    if (linhas.isEmpty())
        for (int r = 0; r < consulta->rowCount(); ++r)
            linhas << r;
    std::sort(linhas.begin(), linhas.end());
    // The scale of the portrait page, read before turning it.
    const double k = EscalaDaPagina(impressora);
    impressora.DefineOrientacao(Impressora::Orientacao::Paisagem);
    RetratoNoFim retrato(impressora);
    const QString titulo = QStringLiteral("Situacao da Escala de: ") + Descricao();
    // A page that does not hold every row goes on on a new one, under the
    // same heading.
    FolhaImpressa folha(impressora, k, [&](FolhaImpressa& f) {
        f.PosicionaLinha(150);
        f.Escreve(950, titulo);
        f.Desce(80);
        f.Escreve(100, QStringLiteral("Num"));
        f.Escreve(250, QStringLiteral("Nome"));
        f.Escreve(850, QStringLiteral("PR"));
        f.Escreve(950, QStringLiteral("Início"));
        f.Escreve(1200, QStringLiteral("Fim"));
        f.Escreve(1450, QStringLiteral("Pt"));
        f.Escreve(1550, QStringLiteral("Vm"));
        f.Escreve(1650, QStringLiteral("Últimos Serviços"));
        f.Desce(80);
    });
    folha.Inicia();
    for (int r : linhas) {
        if (r < 0 || r >= consulta->rowCount())
            continue;
        const auto texto = [&](const char* campo) {
            return consulta->Texto(r, QLatin1String(campo));
        };
        folha.GaranteEspaco(FolhaImpressa::AlturaFonte);
        folha.Escreve(100, texto("Num").left(4));
        folha.Escreve(250, texto("Nome do Militar").left(15));
        folha.Escreve(850, texto("PrevReal").left(1));
        folha.Escreve(950, texto("Fora Escala de").left(10));
        folha.Escreve(1200, texto("Fora Escala ate").left(10));
        folha.Escreve(1450, texto("Pt").left(2));
        folha.Escreve(1550, texto("Vm").left(2));
        folha.Escreve(1650, texto("Ultimos Servicos").right(35));
        folha.Desce(50);
    }
    folha.Termina();
}

void EdicaoTabelas::Fecha(JanelaCorrigePstGrd& janela) {
    tabela.reset();
    consulta.reset();
    opcao = Opcao::Nenhuma;
    CarregaVetBas(sis, Banco::Principal);
    LeModelosPstGrd(sis);
    ConfereGrafiaPstGrd(sis, janela);
    GravaModelosPstGrd(sis);
    GravaVetBas(sis, Banco::Principal);
}
