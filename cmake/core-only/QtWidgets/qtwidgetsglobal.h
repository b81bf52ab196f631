// Stands in for Qt's own module header while a core-only layer compiles.
#error "The core-only layers (data/, and money/ outside money/ui/) depend on Qt Core and SQLite only: no Gui or Widgets includes; such code belongs in a layer above them."
