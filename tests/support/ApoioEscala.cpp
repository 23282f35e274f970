#include "ApoioEscala.h"

#include "QuantidadesDiarias.h"

#include <QTest>

void PreparaEscala(AmbienteTeste& a, Data fim, bool faseVermelha) {
    Sistema& s = *a.sis;
    CarregaVetSv(s, Banco::Principal);
    s.UltimaEscala = s.pasta.LeUltimaEscala();
    s.Aba.Edit1 = fim.Texto();
    TabelaQuantidades& t = s.Quantidades;
    t.UltimaEscala = s.UltimaEscala;
    t.FimPeriodo = fim;
    for (int k = 1; k <= 30; ++k) {
        t.Participa[k] = s.VetSv[k].Definido();
        if (t.Participa[k])
            s.VetSv[k].Sel = QStringLiteral("S");
    }
    t.TabelaConstruida = 1;
    t.Tocada = false;
    t.FaseVermelha = faseVermelha;
    AtivaTabelaQuantidades(s);
    QVERIFY(!FechaTabelaQuantidades(s));
    t.FaseVermelha = false;
}
