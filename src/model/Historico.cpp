#include "model/Historico.h"

#include "base/Falha.h"
#include "model/Grades.h"
#include "model/Sistema.h"

void CarregaVetHist(Sistema& s, Banco banco) {
    for (int a = 1; a <= MaxHist && !s.VetHist[a].Descr.isEmpty(); ++a)
        s.VetHist[a] = TipoVetHist();
    Bloqueio& bloqueio = s.VetHistBloqueado;
    bloqueio.Inicia(NomeParaOperador(banco, QStringLiteral("Hist")));
    auto t = s.dm.AbreTabela(banco, QStringLiteral("Hist.DB"));
    const QString campoDia = QStringLiteral("Dia");
    const int dia = t.Indice(campoDia), codSv = t.Indice(QStringLiteral("CodSv")),
              descr = t.Indice(QStringLiteral("Descr")), num = t.Indice(QStringLiteral("Num")),
              ptVm = t.Indice(QStringLiteral("PtVm"));
    int a = 0;
    while (t.Proximo()) {
        if (++a > MaxHist) {
            bloqueio.Acrescenta(QStringLiteral("mais de 10000 registros (só os 10000 primeiros "
                                               "foram lidos)"));
            bloqueio.DefineRemedio(QStringLiteral("Apague os registros antigos com o item 7 da "
                                                  "guia /Manutenção/"));
            throw Falha(QStringLiteral(
                "O Arquivo Histórico está cheio: tem mais de 10000 registros e só os 10000 "
                "primeiros foram lidos.\nApague os registros antigos com o item 7 da guia "
                "/Manutenção/ antes de continuar."));
        }
        TipoVetHist& h = s.VetHist[a];
        h.Dia = t.DataCampo(dia, campoDia);
        h.CodSv = InteiroDaLinha(t, codSv, QStringLiteral("CodSv"), a, bloqueio);
        h.Descr = t.Texto(descr).left(8);
        // An empty Descr ends the history for its readers and its saver.
        if (h.Descr.isEmpty())
            bloqueio.Acrescenta(
                QStringLiteral("na linha %1 uma descrição de serviço vazia (Descr)").arg(a));
        const QString numeros = t.Texto(num);
        if (numeros.isEmpty())
            bloqueio.Acrescenta(QStringLiteral("na linha %1 um número vazio (Num)").arg(a));
        else if (numeros.size() > 136)
            bloqueio.Acrescenta(
                QStringLiteral("na linha %1 números com mais de 136 caracteres (Num)").arg(a));
        h.Num = numeros.left(136);
        if (const QString tipo = t.Texto(ptVm); !tipo.isEmpty())
            h.PtVm = tipo.left(2);
    }
    AvisaBloqueio(s, bloqueio);
}

void GravaVetHist(Sistema& s, Banco banco) {
    if (banco == Banco::Backup)
        CarregaVetHist(s, Banco::Principal);
    s.VetHistBloqueado.RecusaGravar();
    QList<QVariantList> linhas;
    for (int a = 1; a <= MaxHist; ++a) {
        const TipoVetHist& h = s.VetHist[a];
        if (banco == Banco::Principal ? h.Descr.isEmpty() : h.Num.isEmpty())
            break;
        if (h.Num.isEmpty())
            continue;
        linhas.append({h.Dia.ParaQDate(), h.CodSv, h.Descr, h.Num, h.PtVm});
    }
    s.dm.SubstituiLinhas(banco, QStringLiteral("Hist.DB"), linhas);
}

int PrimeiraHistLivre(const Sistema& s) {
    int a = 1;
    while (a <= MaxHist && !s.VetHist[a].Descr.isEmpty())
        ++a;
    return a;
}

void ConfereLugarNoHistorico(const Sistema& s, int necessarias) {
    const int livres = MaxHist - (PrimeiraHistLivre(s) - 1);
    if (necessarias > livres)
        throw Recusa(QStringLiteral("O Arquivo Histórico não comporta esta escalação: ela precisa "
                                    "de %1 registros e só há lugar para %2 (o limite é de %3).\n"
                                    "Apague os registros antigos com o item 7 da guia "
                                    "/Manutenção/ e verifique de novo.")
                         .arg(necessarias)
                         .arg(livres)
                         .arg(MaxHist));
}

QStringList NumerosDaLista(const QString& lista) {
    QStringList numeros;
    int p = 1;
    for (QString num = PalavraAteEspaco(p, lista); !num.isEmpty();
         p += num.size() + 1, num = PalavraAteEspaco(p, lista))
        numeros << num;
    return numeros;
}

void LimpaVetSgte(Sistema& s) {
    std::fill(s.VetSgte.begin(), s.VetSgte.end(), TipoVetSgte());
}

void LimpaVetFora(Sistema& s) {
    std::fill(s.VetFora.begin(), s.VetFora.end(), TipoVetSgte());
}

void LimpaVetObriga(Sistema& s) {
    std::fill(s.VetObriga.begin(), s.VetObriga.end(), TipoVetSgte());
}

int PrimeiraSgteLivre(const std::vector<TipoVetSgte>& vetor) {
    int i = 1;
    while (i <= MaxSgte && !vetor[i].Num.isEmpty())
        ++i;
    return i;
}

void AcrescentaAoVetSgte(Sistema& s, const std::vector<TipoVetSgte>& origem) {
    int i = PrimeiraSgteLivre(s.VetSgte);
    for (int k = 1; k <= MaxSgte && !origem[k].Num.isEmpty() && i <= MaxSgte; ++k)
        s.VetSgte[i++] = origem[k];
}

void JuntaVetSgte(Sistema& s) {
    AcrescentaAoVetSgte(s, s.VetFora);
    AcrescentaAoVetSgte(s, s.VetObriga);
}

QString ProcuraForcado(Sistema& s, int sv, Data dia) {
    const int folga = s.VetSv[sv].Folga;
    for (int i = 1; i <= MaxSgte && !s.VetSgte[i].Num.isEmpty(); ++i) {
        const TipoVetSgte& r = s.VetSgte[i];
        for (int k = 1; k <= 30; ++k) {
            if (r.Sv[k] != sv)
                continue;
            for (int j = 1; j <= 30; ++j) {
                const int fimJanela = j + folga - 1;
                if (r.Datas[j] == dia - 1 && fimJanela >= 1 && fimJanela <= 30 &&
                    r.Datas[fimJanela] == dia - folga) {
                    if (MilNaGrade(s, r.Num, sv))
                        return r.Num;
                    break;
                }
            }
        }
    }
    return QString();
}

void GuardaMatQuant(Sistema& s) {
    s.MatQuantCopia = s.MatQuant;
}

void RestauraMatQuant(Sistema& s) {
    s.MatQuant = s.MatQuantCopia;
}

void ZeraMatQuant(Sistema& s) {
    const QString x = QStringLiteral("x");
    for (auto& dia : s.MatQuant)
        for (int r = 1; r <= 30; ++r)
            dia[r] = x;
}

namespace {
QString PalavraAte(int p, const QString& texto, QChar separador) {
    if (p < 1 || p > texto.size())
        return QString();
    const int fim = texto.indexOf(separador, p - 1);
    return texto.mid(p - 1, fim < 0 ? -1 : fim - (p - 1));
}
} // namespace

QString PalavraAteEspaco(int p, const QString& texto) {
    return PalavraAte(p, texto, QLatin1Char(' '));
}

QString PalavraAteVirgula(int p, const QString& texto) {
    return PalavraAte(p, texto, QLatin1Char(','));
}

QString Direita(const QString& texto, int n) {
    return texto.right(n);
}
