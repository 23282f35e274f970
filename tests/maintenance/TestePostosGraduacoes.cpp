#include "maintenance/PostosGraduacoes.h"
#include "support/AmbienteTeste.h"
#include "support/Registro.h"

#include <QTest>

namespace {

// Answers the correction dialog: records what it was offered and picks the
// item given (nothing: the window is closed without a choice).
struct CorrecaoFalsa : JanelaCorrigePstGrd {
    std::optional<int> Escolhe(const QString& forma, const QStringList& formas) override {
        vistas << forma;
        oferecidas = formas;
        return resposta;
    }
    std::optional<int> resposta;
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
