#include "calendar/Calendario.h"

#include "base/Falha.h"
#include "model/Sistema.h"

namespace {
const QString arquivo = QStringLiteral("SemExped.Txt");
} // namespace

void CarregaSemExped(Sistema& s) {
    const QStringList linhas = s.pasta.LeLinhas(arquivo);
    // Read in part, the red days beyond the list would be taken for black days.
    if (linhas.size() > VetorSemExped::Tamanho)
        throw Recusa(QStringLiteral("O arquivo %1 tem %2 linhas, mas a lista de dias de Escala "
                                    "Vermelha comporta no máximo %3 datas; ele não foi lido, "
                                    "para que nenhum dia vermelho seja tomado por preto.\nExclua "
                                    "as datas que sobram com o item 6 da guia /Manutenção/ ou "
                                    "recupere uma cópia de segurança (item 14).")
                         .arg(arquivo)
                         .arg(linhas.size())
                         .arg(VetorSemExped::Tamanho));
    s.VetSemExped.Limpa();
    std::array<Data, VetorSemExped::Tamanho + 1> datas{};
    int n = 0;
    for (const QString& linha : linhas) {
        ++n;
        datas[n] = s.pasta.ConverteData(linha, arquivo);
        s.VetSemExped.Define(n, linha);
    }
    // Exchange sort on the dates, as the list has always been ordered.
    for (int i = 1; i <= n; ++i)
        for (int j = i + 1; j <= n; ++j)
            if (datas[j] < datas[i]) {
                std::swap(datas[i], datas[j]);
                const QString t = s.VetSemExped[i];
                s.VetSemExped.Define(i, s.VetSemExped[j]);
                s.VetSemExped.Define(j, t);
            }
}

bool DiaVermelho(Sistema& s, Data dia) {
    auto& cache = s.DiasVermelhosCache;
    if (cache.versao != s.VetSemExped.Versao()) {
        cache.dias.clear();
        const int n = s.VetSemExped.Quantidade();
        for (int i = 1; i <= n; ++i)
            if (const auto d = s.LeData(s.VetSemExped[i]))
                cache.dias.insert(d->Numero());
        cache.versao = s.VetSemExped.Versao();
    }
    return cache.dias.contains(dia.Numero());
}

Data ProxDiaPreto(Sistema& s, Data dia) {
    // A forecast loads the list once and keeps it while it runs.
    if (!s.SemExpedFixo)
        CarregaSemExped(s);
    Data d = dia;
    for (int passo = 1; passo <= 10; ++passo) {
        d = dia + passo;
        if (!DiaVermelho(s, d))
            return d;
    }
    return d;
}

QString MarcaVermelho(Sistema& s, Data dia) {
    for (const QString& linha : s.pasta.LeLinhas(arquivo))
        if (s.pasta.ConverteData(linha, arquivo) == dia)
            return QStringLiteral(" * ");
    return QString();
}

QString NomeDiaSemana(int dia) {
    static const char* const nomes[] = {"Dom", "Seg", "Ter", "Qua", "Qui", "Sex", "Sáb"};
    return dia >= 1 && dia <= 7 ? QString::fromUtf8(nomes[dia - 1]) : QString();
}
