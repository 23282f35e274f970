#include "calendar/EscalaVermelha.h"

#include "base/Falha.h"
#include "calendar/Calendario.h"
#include "calendar/Feriados.h"
#include "model/Sistema.h"

#include <algorithm>
#include <vector>

namespace {

const QString arquivoSemExped = QStringLiteral("SemExped.Txt");
const QString arquivoPeriodo = QStringLiteral("DataIniFim.Txt");

// Red days older than this many days before the last roster date are dropped.
constexpr int diasMantidos = 30;

Data DataDoCampo(const Sistema& s, const QString& texto) {
    const auto d = s.LeData(texto);
    if (!d)
        throw Recusa(texto + QStringLiteral(" >>> Data inválida"));
    return *d;
}

// Every date of SemExped.Txt, in date order (the whole file, so a rewrite
// never loses a line that the in-memory list could not hold).
std::vector<Data> LeDatasSemExped(const Sistema& s) {
    std::vector<Data> datas;
    for (const QString& linha : s.pasta.LeLinhas(arquivoSemExped))
        datas.push_back(s.pasta.ConverteData(linha, arquivoSemExped));
    std::stable_sort(datas.begin(), datas.end());
    return datas;
}

void GravaDatasSemExped(const Sistema& s, const std::vector<Data>& datas) {
    QStringList linhas;
    linhas.reserve(static_cast<qsizetype>(datas.size()));
    for (const Data d : datas)
        linhas << d.Texto();
    s.pasta.GravaLinhas(arquivoSemExped, linhas);
}

void RecusaSeNaoCabe(qsizetype quantidade) {
    if (quantidade > VetorSemExped::Tamanho)
        throw Recusa(QStringLiteral("A lista de dias de Escala Vermelha comporta no máximo %1 "
                                    "datas; com as datas digitadas ela ficaria com %2.\nNada foi "
                                    "incluído. Exclua datas da lista ou digite menos datas.")
                         .arg(VetorSemExped::Tamanho)
                         .arg(quantidade));
}

// Adds novas to SemExped.Txt without duplicates, dropping the dates earlier
// than 30 days before ultima; refused before anything is written when the
// list would not fit.
void AcrescentaDatas(Sistema& s, const std::vector<Data>& novas, Data ultima) {
    std::vector<Data> datas = LeDatasSemExped(s);
    datas.insert(datas.end(), novas.begin(), novas.end());
    std::sort(datas.begin(), datas.end());
    datas.erase(std::unique(datas.begin(), datas.end()), datas.end());
    std::erase_if(datas, [&](Data d) { return d < ultima - diasMantidos; });
    RecusaSeNaoCabe(static_cast<qsizetype>(datas.size()));
    GravaDatasSemExped(s, datas);
    CarregaSemExped(s);
}

// "dd/mm/yy  dd/mm/yy ..."
QString TextoDatas(const std::vector<Data>& datas) {
    QStringList textos;
    for (const Data d : datas)
        textos << d.Texto();
    return textos.join(QStringLiteral("  "));
}

bool FimDeSemana(Data d) {
    const int dia = d.DiaDaSemana();
    return dia == 1 || dia == 7;
}

} // namespace

QString AtivaSemExped(Sistema& s, EstadoSemExped& e) {
    e.ExtensaoPendente = QStringLiteral("N");
    e.FimAnterior.reset();
    const QString fim = s.pasta.LeLinhas(arquivoPeriodo).value(1);
    e.FimAnterior = s.pasta.ConverteData(fim, arquivoPeriodo);
    return fim;
}

void IncluiAutomatico(Sistema& s, EstadoSemExped& e, const QString& textoIni,
                      const QString& textoFim) {
    const Data fim = DataDoCampo(s, textoFim);
    const Data ultima = DataDoCampo(s, textoIni);
    if (!e.FimAnterior)
        throw Falha(QStringLiteral("O fim do período atual (linha 2 do arquivo %1) não pôde ser "
                                   "lido; o período não foi alongado.")
                        .arg(arquivoPeriodo));
    const Data inicio = *e.FimAnterior + 1;

    std::vector<Data> datas = LeDatasSemExped(s);
    std::erase_if(datas, [&](Data d) { return !(d > ultima - diasMantidos); });

    // Only the weekends of the new days are written, one line per day (a
    // second extension from the same day adds nothing twice); they must fit
    // beside the dates kept.
    const qsizetype livres = VetorSemExped::Tamanho - static_cast<qsizetype>(datas.size());
    std::vector<Data> novas;
    for (Data d = inicio; d <= fim; ++d)
        if (FimDeSemana(d) && std::find(datas.begin(), datas.end(), d) == datas.end())
            novas.push_back(d);
    if (static_cast<qsizetype>(novas.size()) > livres) {
        const Data maximo = novas[static_cast<size_t>(qMax<qsizetype>(livres, 0))] - 1;
        throw Recusa(
            QStringLiteral("O período de %1 até %2 tem %3 sábados e domingos, mas a lista de dias "
                           "de Escala Vermelha, que comporta no máximo %4 datas, só tem lugar "
                           "para mais %5.\nNada foi gravado. Escolha um Dia Final até %6, ou "
                           "exclua datas da lista.")
                .arg(inicio.Texto(), fim.Texto())
                .arg(novas.size())
                .arg(VetorSemExped::Tamanho)
                .arg(qMax<qsizetype>(livres, 0))
                .arg(maximo.Texto()));
    }
    datas.insert(datas.end(), novas.begin(), novas.end());
    GravaDatasSemExped(s, datas);
    s.pasta.GravaDataIniFim(ultima, fim);
    CarregaSemExped(s);
    e.ExtensaoPendente = QStringLiteral("S");
}

bool IncluiManual(Sistema& s, EstadoSemExped& e, const QStringList& celulas,
                  const QString& textoUltima) {
    const Data ultima = DataDoCampo(s, textoUltima);
    std::vector<Data> novas;
    for (const QString& celula : celulas) {
        if (celula.trimmed().isEmpty())
            continue;
        if (const auto d = s.LeData(celula))
            novas.push_back(*d);
        else
            s.dialogos.Aviso(celula + QStringLiteral(" >>> Data inválida"));
    }
    if (novas.empty()) {
        s.dialogos.Aviso(
            QStringLiteral("    Para incluir datas na Escala Vermelha você deverá \nprimeiramente "
                           "digitá-las na grade "));
        return false;
    }
    AcrescentaDatas(s, novas, ultima);
    e.ExtensaoPendente = QStringLiteral("N");
    return true;
}

bool IncluiFeriadosNacionais(Sistema& s, const QString& textoUltima) {
    const Data ultima = DataDoCampo(s, textoUltima);
    const Data fim =
        s.pasta.ConverteData(s.pasta.LeLinhas(arquivoPeriodo).value(1), arquivoPeriodo);
    const Data inicio = ultima + 1;
    const std::vector<Data> atuais = LeDatasSemExped(s);
    const auto ausentes = [&](std::vector<Data> dias) {
        std::erase_if(dias,
                      [&](Data d) { return std::binary_search(atuais.begin(), atuais.end(), d); });
        return dias;
    };
    std::vector<Data> novas = ausentes(FeriadosNoPeriodo(inicio, fim, false));
    std::vector<Data> facultativos;
    for (const Data d : ausentes(FeriadosNoPeriodo(inicio, fim, true)))
        if (std::find(novas.begin(), novas.end(), d) == novas.end())
            facultativos.push_back(d);
    if (!facultativos.empty()) {
        if (s.dialogos.Confirma(
                QStringLiteral("    Incluir também os pontos facultativos do período (segunda e "
                               "terça-feira de Carnaval e Corpus Christi)?\n\n") +
                TextoDatas(facultativos) +
                QStringLiteral(
                    "\n\n             Incluir = YES                   Não Incluir = NO")))
            novas.insert(novas.end(), facultativos.begin(), facultativos.end());
    }
    if (novas.empty()) {
        s.dialogos.Aviso(QStringLiteral("    Os feriados nacionais de %1 até %2 já estão na "
                                        "lista de dias de Escala Vermelha. ")
                             .arg(inicio.Texto(), fim.Texto()));
        return false;
    }
    std::sort(novas.begin(), novas.end());
    AcrescentaDatas(s, novas, ultima);
    s.dialogos.Aviso(
        QStringLiteral("    Feriados incluídos na Escala Vermelha (%1):\n").arg(novas.size()) +
        TextoDatas(novas));
    return true;
}

bool ExcluiSemExped(Sistema& s, const QStringList& escolhidas, const QString& textoUltima) {
    const Data ultima = DataDoCampo(s, textoUltima);
    std::vector<Data> excluir;
    for (const QString& texto : escolhidas)
        excluir.push_back(DataDoCampo(s, texto));
    if (excluir.empty()) {
        s.dialogos.Aviso(
            QStringLiteral("    Para excluir datas da Escala Vermelha você deverá \nprimeiramente "
                           "selecioná-las na lista "));
        return false;
    }
    std::vector<Data> datas = LeDatasSemExped(s);
    std::erase_if(datas, [&](Data d) {
        return d < ultima - diasMantidos ||
               std::find(excluir.begin(), excluir.end(), d) != excluir.end();
    });
    GravaDatasSemExped(s, datas);
    CarregaSemExped(s);
    return true;
}

QStringList ListagemSemExped(Sistema& s) {
    QStringList lista;
    // A file longer than the list is listed from the file itself, so that
    // the dates to exclude can still be chosen.
    if (s.pasta.LeLinhas(arquivoSemExped).size() > VetorSemExped::Tamanho) {
        for (const Data d : LeDatasSemExped(s)) {
            if (lista.size() == MaxListagemSemExped)
                break;
            lista << d.Texto();
        }
        return lista;
    }
    CarregaSemExped(s);
    const int n = qMin(s.VetSemExped.Quantidade(), MaxListagemSemExped);
    for (int i = 1; i <= n; ++i)
        lista << s.VetSemExped[i];
    return lista;
}

bool PodeSairSemExped(Sistema& s, const EstadoSemExped& e, const QString& textoIni,
                      const QString& textoFim) {
    if (e.ExtensaoPendente != QLatin1String("S"))
        return true;
    const QString pergunta =
        QStringLiteral("       Você incluiu um novo período de ") + textoIni +
        QStringLiteral(" até ") + textoFim + QStringLiteral(".") + QStringLiteral("\n") +
        QStringLiteral("\n") +
        QStringLiteral("O Sistema gravou os sábados e domingos, mas os demais dias sem expediente "
                       "também devem ser incluídos. Use a opção __Incluir dia na Escala Vermelha") +
        QStringLiteral("\n") + QStringLiteral("\n") +
        QStringLiteral("             Incluir agora = YES                   Não Incluir = NO");
    return !s.dialogos.Confirma(pergunta);
}
