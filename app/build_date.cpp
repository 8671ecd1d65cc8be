#include "app/app.h"

fw::Ref<fw::Date> App::BuildDate() const {
  auto date = fw::New<fw::Date>();
  date->Constructor();
  date->SetTotalSeconds(3647950574.0);
  return date;
}
