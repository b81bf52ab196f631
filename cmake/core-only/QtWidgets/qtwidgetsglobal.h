// Stands in for Qt's own module header while the Money Plan core compiles.
#error "The Money Plan core (money/ outside money/ui/) depends on Qt Core and SQLite only: no Gui or Widgets includes."
