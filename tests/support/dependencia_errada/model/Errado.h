#pragma once

// A model header that reaches up into the engine: the dependency check must
// refuse it.
#include "engine/Previsao.h"
#include <QtWidgets/QPushButton>
