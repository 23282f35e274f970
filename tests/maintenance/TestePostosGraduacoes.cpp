#include "maintenance/PostosGraduacoes.h"
#include "model/Pessoal.h"
#include "support/AmbienteTeste.h"
#include "support/Registro.h"

#include <QTest>

namespace {

// Answers the correction dialog: records what it was offered and picks the
// item given (nothing: the window is closed without a choice), or the next of
// respostas when there are any.
struct CorrecaoFalsa : JanelaCorrigePstGrd {
    std::optional<int> Escolhe(const QString& forma, const QStringList& formas) override {
        vistas << forma;
        oferecidas = formas;
        if (!respostas.isEmpty())
            return respostas.takeFirst();
        return resposta;
    }
    std::optional<int> resposta;
    QList<std::optional<int>> respostas;
    QStringList vistas;
    QStringList oferecidas;
};

// A models table with the ranks of column 0 given from row 1 on.
ModelosPstGrd Modelos(const QStringList& padroes) {
    ModelosPstGrd m;
    m.Cells[0][0] = QStringLiteral("Padrão");
    for (int r = 0; r < padroes.size(); ++r)
        m.Cells[0][r + 1] = padroes[r];
    return m;
}

} // namespace

// The rank models table and the correction dialog's answer.
class TestePostosGraduacoes : public QObject {
    Q_OBJECT
private slots:
    // Column 0 from row 1 down to the first empty cell; what lies below is not a rank.
    void formas_padrao() {
        QCOMPARE(FormasPadrao(Modelos({"Cel", "Maj", "Cap"})), QStringList({"Cel", "Maj", "Cap"}));
        QCOMPARE(FormasPadrao(Modelos({"Cel", "", "Cap"})), QStringList({"Cel"}));
        QCOMPARE(FormasPadrao(Modelos({})), QStringList());
        QStringList cheia;
        for (int r = 1; r <= 24; ++r)
            cheia << QStringLiteral("P%1").arg(r);
        QCOMPARE(FormasPadrao(Modelos(cheia)), cheia);
    }

    void corrige() {
        AmbienteTeste a;
        Sistema& s = *a.sis;
        s.SGModelos = Modelos({"Cel", "Maj", "Cap"});
        CorrecaoFalsa janela;
        janela.resposta = 1;
        QVERIFY(CorrigePstGrd(s, janela, "MAJOR"));
        QCOMPARE(janela.vistas, QStringList({"MAJOR"}));
        QCOMPARE(janela.oferecidas, QStringList({"Cel", "Maj", "Cap"}));
        QCOMPARE(s.CorrecaoPstGrd.Forma, QStringLiteral("Maj"));
        QCOMPARE(s.CorrecaoPstGrd.Linha, 2);
        QVERIFY(s.CorrecaoPstGrd.ModelosAlterados);

        // Closed without a choice: the form is emptied, the row and the flag stay.
        s.CorrecaoPstGrd.ModelosAlterados = false;
        janela.resposta.reset();
        QVERIFY(!CorrigePstGrd(s, janela, "CORONEL"));
        QCOMPARE(s.CorrecaoPstGrd.Forma, QString());
        QCOMPARE(s.CorrecaoPstGrd.Linha, 2);
        QVERIFY(!s.CorrecaoPstGrd.ModelosAlterados);
    }

    // Known spellings become their standard form; an unknown one is asked
    // once and learnt; an empty rank, or one left without a choice, stays.
    void confere_grafia() {
        AmbienteTeste a;
        Sistema& s = *a.sis;
        a.Militar("12", "ALVES", 1, "CAP");
        a.Militar("7", "BARROS", 2, "Major");
        a.Militar("30", "CAMPOS", 3, "Major");
        a.Militar("45", "DANTAS", 4, "");
        a.Militar("50", "ESTEVES", 5, "XYZ");
        a.Militar("60", "FARIAS", 6, "Cel");
        CarregaVetBas(s, Banco::Principal);
        s.SGModelos = Modelos({"Cel", "Maj", "Cap"});
        s.SGModelos.Cells[1][3] = "CAP";
        s.SGModelos.Cells[1][1] = "CEL";
        CorrecaoFalsa janela;
        janela.respostas = {1, std::nullopt};
        ConfereGrafiaPstGrd(s, janela);
        QCOMPARE(janela.vistas, QStringList({"Major", "XYZ"}));
        QStringList postos;
        for (int i = 1; i <= 6; ++i)
            postos << s.VetBas[i].PstGrd;
        QCOMPARE(postos, QStringList({"Cap", "Maj", "Maj", "", "XYZ", "Cel"}));
        QCOMPARE(s.SGModelos.Cells[1][2], QStringLiteral("Major"));
        QVERIFY(s.CorrecaoPstGrd.ModelosAlterados);
        for (int c = 0; c < ModelosPstGrd::Colunas; ++c)
            for (int r = 0; r < ModelosPstGrd::Linhas; ++r)
                QVERIFY(s.SGModelos.Cells[c][r] != QStringLiteral("XYZ"));
    }

    // The file's rows 1.. of column 0 become PstGrd.Txt when the table is saved.
    void grava_gera_postos() {
        AmbienteTeste a;
        Sistema& s = *a.sis;
        LeModelosPstGrd(s);
        const ModelosPstGrd lido = s.SGModelos;
        QVERIFY(FormasPadrao(lido).size() > 2);
        s.SGModelos.Cells[0][2].clear();
        s.SGModelos.Cells[3][5] = QStringLiteral("CAPITAO");
        GravaModelosPstGrd(s);
        QCOMPARE(a.sis->pasta.LePstGrd(), QStringList({lido.Cells[0][1]}));
        s.SGModelos = ModelosPstGrd{};
        LeModelosPstGrd(s);
        QCOMPARE(s.SGModelos.Cells[3][5], QStringLiteral("CAPITAO"));
        QCOMPARE(s.SGModelos.Cells[0][3], lido.Cells[0][3]);
        QCOMPARE(a.Bytes("ModelosPstGrd.Txt").count("\r\n"), 275);
    }
};

REGISTRA_TESTE(TestePostosGraduacoes)
#include "TestePostosGraduacoes.moc"
