# Two commands for a fresh Debian machine: `make run` and `make test`.
PACOTES := cmake ninja-build g++ make qt6-base-dev libqt6sql6-sqlite \
           qt6-translations-l10n fonts-dejavu-core poppler-utils
BUILD   := build
SUDO    := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
# A compiler cache, when the machine has one, for faster rebuilds.
LANCADOR := $(shell command -v ccache >/dev/null 2>&1 && echo -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

.PHONY: run exemplo test bench figuras deb verifica-deb build deps configure format clean

run: build
	./$(BUILD)/tarvolim $(ARGS)

# The program on an example register in build/exemplo (created on the first run).
exemplo: build
	./$(BUILD)/tarvolim --exemplo $(BUILD)/exemplo $(ARGS)

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure $(CTEST_ARGS)

bench: build
	QT_QPA_PLATFORM=offscreen ./$(BUILD)/tarvolim-bench

# The README's pictures (docs/figuras), rendered offscreen at 1366x768.
figuras: build
	./$(BUILD)/tarvolim-figuras docs/figuras

# The Debian package, in build/ (dpkg-dev reads the libraries it depends on).
deb: build
	@$(MAKE) --no-print-directory deps PACOTES="dpkg-dev"
	cd $(BUILD) && cpack -G DEB

# The package's own checks: lintian, the menu entry and the AppStream file.
verifica-deb: deb
	@$(MAKE) --no-print-directory deps PACOTES="lintian desktop-file-utils appstream"
	lintian --fail-on error $(BUILD)/tarvolim_*.deb
	desktop-file-validate resources/pacote/br.tarvolim.Tarvolim.desktop
	appstreamcli validate --no-net resources/pacote/br.tarvolim.Tarvolim.metainfo.xml

build: configure
	cmake --build $(BUILD)

configure: deps
	@[ -f $(BUILD)/build.ninja ] || cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo $(LANCADOR)

# Installs only the packages that are missing.
deps:
	@faltam=""; for p in $(PACOTES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "install ok installed" || faltam="$$faltam $$p"; \
	done; \
	if [ -n "$$faltam" ]; then \
	  echo "Instalando:$$faltam"; \
	  $(SUDO) apt-get update -qq && \
	  DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq --no-install-recommends $$faltam; \
	fi

format:
	find src tests bench tools -name '*.cpp' -o -name '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD)
