#include "model/Servicos.h"

#include "base/Falha.h"
#include "model/Historico.h"
#include "model/Sistema.h"

void CarregaVetSv(Sistema& s, Banco banco) {
    if (banco == Banco::Backup) {
        const Data hoje = s.relogio.Hoje();
        for (int k = 1; k <= 30; ++k) {
            TipoVetSv& sv = s.VetSv[k];
            sv = TipoVetSv();
            sv.Ini = hoje;
            sv.Fim = hoje;
            sv.Folga = 2;
        }
    }
    Bloqueio& bloqueio = s.VetSvBloqueado;
    bloqueio.Inicia(NomeParaOperador(banco, QStringLiteral("Sv")));
    auto t = s.dm.AbreTabela(banco, QStringLiteral("Sv.DB"));
    const int codSv = t.Indice(QStringLiteral("CodSv")), quant = t.Indice(QStringLiteral("Quant")),
              prio = t.Indice(QStringLiteral("Prio")), folga = t.Indice(QStringLiteral("Folga"));
    // The row of each code, to tell a repeated one.
    std::array<int, 31> linhaDoCodigo{};
    for (int linha = 1; t.Proximo(); ++linha) {
        const std::optional<int> codigo = t.InteiroValido(codSv);
        if (!codigo) {
            InteiroDaLinha(t, codSv, QStringLiteral("CodSv"), linha, bloqueio);
            continue;
        }
        const int k = *codigo;
        if (k < 1 || k > 30) {
            // No slot: saving would drop the row.
            bloqueio.Acrescenta(
                QStringLiteral("na linha %1 o código de serviço %2, fora de 1 a 30 (CodSv)")
                    .arg(linha)
                    .arg(k));
            continue;
        }
        if (linhaDoCodigo[k] != 0)
            // The later row takes the slot; saving would drop the earlier.
            bloqueio.Acrescenta(QStringLiteral("na linha %1 o código de serviço %2, que já está "
                                               "na linha %3 (CodSv)")
                                    .arg(linha)
                                    .arg(k)
                                    .arg(linhaDoCodigo[k]));
        linhaDoCodigo[k] = linha;
        TipoVetSv& sv = s.VetSv[k];
        sv.CodSv = k;
        sv.Descr = t.Texto(QStringLiteral("Descr")).left(8);
        sv.Ini = t.DataCampo(QStringLiteral("Ini"));
        sv.Fim = t.DataCampo(QStringLiteral("Fim"));
        sv.Quant = InteiroDaLinha(t, quant, QStringLiteral("Quant"), linha, bloqueio);
        sv.Prio = InteiroDaLinha(t, prio, QStringLiteral("Prio"), linha, bloqueio);
        sv.Folga = InteiroDaLinha(t, folga, QStringLiteral("Folga"), linha, bloqueio);
        sv.TipoSv = t.Texto(QStringLiteral("TipoSv")).left(2);
    }
    AvisaBloqueio(s, bloqueio);
}

void GravaVetSv(Sistema& s, Banco banco) {
    s.VetSvBloqueado.RecusaGravar();
    QList<QVariantList> linhas;
    for (int k = 1; k <= 30; ++k) {
        const TipoVetSv& sv = s.VetSv[k];
        if (!sv.Definido())
            continue;
        linhas.append({sv.CodSv, sv.Descr, sv.Ini.ParaQDate(), sv.Fim.ParaQDate(), sv.Quant,
                       sv.Prio, sv.Folga, sv.TipoSv});
    }
    s.dm.SubstituiLinhas(banco, QStringLiteral("Sv.DB"), linhas);
}

QString NormalizaListaSv(Sistema& s, const QString& lista) {
    for (int k = 1; k <= 30; ++k)
        s.VetSv[k].Sel.clear();
    int p = 1;
    for (int lidos = 0; lidos < 30; ++lidos) {
        const QString numero = PalavraAteVirgula(p, lista);
        if (numero.isEmpty())
            break;
        bool ok = false;
        const int k = numero.toInt(&ok);
        if (!ok || k < 1 || k > 30)
            throw Falha(QStringLiteral("Lista de serviços inválida: \"%1\" (\"%2\" não é um "
                                       "serviço de 1 a 30)")
                            .arg(lista, numero));
        s.VetSv[k].Sel = QStringLiteral("S");
        p += numero.size() + 1;
    }
    QStringList marcados;
    for (int k = 1; k <= 30; ++k)
        if (s.VetSv[k].Sel == QLatin1String("S"))
            marcados << QString::number(k);
    return marcados.join(',');
}

void LimpaSel(Sistema& s) {
    for (int k = 1; k <= 30; ++k)
        if (s.VetSv[k].Sel == QLatin1String("S"))
            s.VetSv[k].Sel.clear();
}
