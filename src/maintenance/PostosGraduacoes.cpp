#include "maintenance/PostosGraduacoes.h"

#include "model/Sistema.h"

void LeModelosPstGrd(Sistema& s) {
    s.SGModelos = s.pasta.LeModelosPstGrd();
}

void GravaModelosPstGrd(Sistema& s) {
    s.pasta.GravaModelosPstGrd(s.SGModelos);
    s.pasta.GeraPstGrd();
}

QStringList FormasPadrao(const ModelosPstGrd& modelos) {
    QStringList formas;
    for (int r = 1; r < ModelosPstGrd::Linhas && !modelos.Cells[0][r].isEmpty(); ++r)
        formas << modelos.Cells[0][r];
    return formas;
}

bool CorrigePstGrd(Sistema& s, JanelaCorrigePstGrd& janela, const QString& forma) {
    s.CorrecaoPstGrd.Forma.clear();
    const QStringList formas = FormasPadrao(s.SGModelos);
    const std::optional<int> escolha = janela.Escolhe(forma, formas);
    if (!escolha || *escolha < 0 || *escolha >= formas.size())
        return false;
    s.CorrecaoPstGrd.Forma = formas[*escolha];
    s.CorrecaoPstGrd.Linha = *escolha + 1;
    s.CorrecaoPstGrd.ModelosAlterados = true;
    return true;
}

namespace {

// The row (1..) of the rank a spelling stands for, searched column by column;
// 0 when the table does not know it.
int LinhaDaGrafia(const ModelosPstGrd& m, const QString& grafia) {
    const int postos = static_cast<int>(FormasPadrao(m).size());
    for (int k = 0; k < ModelosPstGrd::Colunas; ++k)
        for (int r = 1; r <= postos; ++r)
            if (m.Cells[k][r] == grafia)
                return r;
    return 0;
}

} // namespace

void ConfereGrafiaPstGrd(Sistema& s, JanelaCorrigePstGrd& janela) {
    ModelosPstGrd& m = s.SGModelos;
    for (int a = 1; a <= 1000 && !s.VetBas[a].Num.isEmpty(); ++a) {
        QString& pstGrd = s.VetBas[a].PstGrd;
        if (pstGrd.isEmpty())
            continue;
        if (const int r = LinhaDaGrafia(m, pstGrd)) {
            pstGrd = m.Cells[0][r].left(7);
            continue;
        }
        if (!CorrigePstGrd(s, janela, pstGrd))
            continue;
        const int r = s.CorrecaoPstGrd.Linha;
        for (int k = 1; k < ModelosPstGrd::Colunas; ++k)
            if (m.Cells[k][r].isEmpty()) {
                m.Cells[k][r] = pstGrd;
                break;
            }
        pstGrd = s.CorrecaoPstGrd.Forma.left(7);
    }
}
