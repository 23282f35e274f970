#include "maintenance/ConsultaPessoal.h"

#include "base/Falha.h"
#include "model/Pessoal.h"
#include "model/Sistema.h"

QString LinhaLista(const TipoVetBas& b) {
    return b.Num.leftJustified(4) + QStringLiteral("  ") + b.PstGrd + QStringLiteral("  ") + b.Nome;
}

QString LinhaBusca(const TipoVetBas& b) {
    return b.Num + QStringLiteral("      ") + b.PstGrd + QStringLiteral("  ") + b.Nome;
}

QString NumeroDaLinha(const QString& linha) {
    QString num = linha.left(6);
    while (num.endsWith(QLatin1Char(' ')))
        num.chop(1);
    return num;
}

QStringList EntradasDeNumeros(const QString& texto) {
    QStringList entradas;
    for (const QString& entrada : texto.split(QLatin1Char(',')))
        entradas << entrada.left(4);
    return entradas;
}

QStringList ConsultaPessoal::Ativa() {
    QStringList postos = sis.pasta.LePstGrd();
    CarregaVetBas(sis, Banco::Principal);
    return postos;
}

int ConsultaPessoal::UltimoMilitar() const {
    int a = 0;
    while (a < 1000 && !sis.VetBas[a + 1].Nome.isEmpty())
        ++a;
    return a;
}

QStringList ConsultaPessoal::ListaCompleta() const {
    QStringList linhas;
    const int ultimo = UltimoMilitar();
    for (int a = 1; a <= ultimo; ++a)
        linhas << LinhaLista(sis.VetBas[a]);
    return linhas;
}

QStringList ConsultaPessoal::ProcuraNumeros(const QString& texto) const {
    QStringList linhas;
    const int ultimo = UltimoMilitar();
    for (const QString& entrada : EntradasDeNumeros(texto)) {
        if (entrada.isEmpty())
            continue;
        for (int a = 1; a <= ultimo; ++a) {
            if (sis.VetBas[a].Num == entrada) {
                linhas << LinhaBusca(sis.VetBas[a]);
                break;
            }
        }
    }
    return linhas;
}

QStringList ConsultaPessoal::ProcuraNome(const QString& parte) const {
    QStringList linhas;
    const int ultimo = UltimoMilitar();
    for (int a = 1; a <= ultimo; ++a)
        if (sis.VetBas[a].Nome.contains(parte, Qt::CaseSensitive))
            linhas << LinhaLista(sis.VetBas[a]);
    return linhas;
}

QStringList ConsultaPessoal::ProcuraPostos(const QStringList& postos) const {
    QStringList linhas;
    const int ultimo = UltimoMilitar();
    for (int a = 1; a <= ultimo; ++a)
        if (postos.contains(sis.VetBas[a].PstGrd))
            linhas << LinhaBusca(sis.VetBas[a]);
    return linhas;
}

QStringList ConsultaPessoal::Procura(const PesquisaPessoal& p) const {
    if (p.Postos.isEmpty() && p.Numeros.isEmpty() && p.Nome.isEmpty())
        throw Recusa(QString::fromUtf8(NadaAConsultar));
    QStringList linhas;
    if (p.NumerosMostrado)
        linhas = ProcuraNumeros(p.Numeros);
    if (p.NomeMostrado)
        linhas = ProcuraNome(p.Nome);
    if (p.PostosMostrado)
        linhas = ProcuraPostos(p.Postos);
    return linhas;
}
