#include "model/Pessoal.h"

#include "base/Falha.h"
#include "model/Historico.h"
#include "model/Sistema.h"

TipoVetBas RegistroVazio() {
    TipoVetBas b;
    b.Antig = 9999;
    return b;
}

void CarregaVetBas(Sistema& s, Banco banco) {
    for (int a = 1; a <= 1000 && !s.VetBas[a].Num.isEmpty(); ++a)
        s.VetBas[a] = RegistroVazio();
    Bloqueio& bloqueio = s.VetBasBloqueado;
    bloqueio.Inicia(NomeParaOperador(banco, QStringLiteral("Basico")));
    auto t = s.dm.AbreTabela(banco, QStringLiteral("Basico.DB"));
    const int num = t.Indice(QStringLiteral("Num")), nome = t.Indice(QStringLiteral("Nome")),
              pstGrd = t.Indice(QStringLiteral("PstGrd")), pr = t.Indice(QStringLiteral("PR")),
              usv = t.Indice(QStringLiteral("USv")), antig = t.Indice(QStringLiteral("Antig"));
    int a = 0;
    while (t.Proximo()) {
        if (++a > 1000) {
            bloqueio.Acrescenta(QStringLiteral("mais de 1000 militares (só os 1000 primeiros "
                                               "foram lidos)"));
            throw Falha(QStringLiteral(
                "A tabela de pessoal (Basico) tem mais de 1000 militares; só os 1000 primeiros "
                "foram lidos.\nNada será gravado no pessoal até que a tabela seja corrigida."));
        }
        TipoVetBas& b = s.VetBas[a];
        const QString numero = t.Texto(num);
        if (numero.isEmpty())
            bloqueio.Acrescenta(QStringLiteral("na linha %1 um número vazio (Num)").arg(a));
        else if (numero.size() > 4)
            bloqueio.Acrescenta(
                QStringLiteral("na linha %1 o número \"%2\", com mais de 4 caracteres (Num)")
                    .arg(a)
                    .arg(numero));
        b.Num = numero.left(4);
        b.Nome = t.Texto(nome).left(15);
        b.PstGrd = t.Texto(pstGrd).left(7);
        if (const QString codigo = t.Texto(pr); !codigo.isEmpty())
            b.PR = codigo.left(1);
        if (!t.Vazio(QStringLiteral("Ini")))
            b.Ini = t.DataCampo(QStringLiteral("Ini"));
        if (!t.Vazio(QStringLiteral("Fim")))
            b.Fim = t.DataCampo(QStringLiteral("Fim"));
        if (const QString ultimos = t.Texto(usv); !ultimos.isEmpty())
            LeUSv(s, a, ultimos);
        b.Antig = InteiroDaLinha(t, antig, QStringLiteral("Antig"), a, bloqueio);
    }
    AvisaBloqueio(s, bloqueio);
}

void LeUSv(Sistema& s, int a, const QString& texto) {
    int p = 1;
    for (int k = 1; k <= 10; ++k) {
        const QString palavra = PalavraAteEspaco(p, texto);
        if (palavra.isEmpty())
            break;
        s.VetBas[a].USv[k] = s.pasta.ConverteData(palavra, QStringLiteral("Basico (campo USv)"));
        p += palavra.size() + 1;
    }
}

QString TextoUSv(const TipoVetBas& b) {
    QString texto;
    for (int k = 1; k <= 10; ++k)
        if (!b.USv[k].Zero())
            texto += b.USv[k].Texto() + QLatin1Char(' ');
    return texto;
}

void GravaVetBas(Sistema& s, Banco banco) {
    if (banco == Banco::Backup)
        CarregaVetBas(s, Banco::Principal);
    s.VetBasBloqueado.RecusaGravar();
    QList<QVariantList> linhas;
    for (int a = 1; a <= 1000; ++a) {
        const TipoVetBas& b = s.VetBas[a];
        if (b.Num.isEmpty() || b.Num == QLatin1String("x"))
            continue;
        linhas.append(
            {b.Num, b.PstGrd, b.Nome, b.PR, b.Ini.Zero() ? QVariant() : QVariant(b.Ini.ParaQDate()),
             b.Fim.Zero() ? QVariant() : QVariant(b.Fim.ParaQDate()), TextoUSv(b), b.Antig});
    }
    s.dm.SubstituiLinhas(banco, QStringLiteral("Basico.DB"), linhas);
}

void OrdenaUSv(Sistema& s, int a) {
    auto& usv = s.VetBas[a].USv;
    for (int i = 1; i <= 9; ++i)
        for (int j = i + 1; j <= 10; ++j)
            if (usv[i] > usv[j])
                std::swap(usv[i], usv[j]);
}

void RegistraDia(Sistema& s, int a, Data dia) {
    OrdenaUSv(s, a);
    s.VetBas[a].USv[1] = dia;
    OrdenaUSv(s, a);
}

void LimpaVetBas(Sistema& s) {
    for (int a = 1; a <= 1000; ++a)
        s.VetBas[a] = RegistroVazio();
}

int SlotDe(const Sistema& s, const QString& num) {
    for (int a = 1; a <= 1000 && !s.VetBas[a].Num.isEmpty(); ++a)
        if (s.VetBas[a].Num == num)
            return a;
    return 0;
}

int IndiceMil(const Sistema& s, const QString& num) {
    int ultimo = 0;
    for (int a = 1; a <= 1000; ++a)
        if (s.VetBas[a].Num == num)
            ultimo = a;
    return ultimo;
}
