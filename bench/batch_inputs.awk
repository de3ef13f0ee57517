# One list of conversions written twice: as zurmet-convert --batch lines and
# as GNU units' terse input (a "have" line, then a "want" line), so that the
# two converters get the same work.
#   awk -v lines=N -v zurmet=FILE -v units=FILE [-v set=beyond] -f bench/batch_inputs.awk
# Line i takes conversion i mod the list's length with a value of its own.
# The set "beyond" is one conversion in each category the window does not
# show (time to fuel economy) instead of the mixed list of the window's.
BEGIN {
  count = 0
  if (set == "beyond") {
    beyond()
    write()
    exit
  }
  # zurmet's request (rows of the unit tables), the units expression it
  # means, the units to convert to. V stands for the line's value.
  add("{\"category\":1,\"values\":[\"V\",\"2\",\"3\"],\"from\":[4,3,2],\"to\":[9,0,0]}",
      "V yd + 2 ft + 3 in", "m")
  add("{\"category\":1,\"values\":[\"V\",\"2\",\"3\"],\"from\":[4,3,2],\"to\":[9,8,7]}",
      "V yd + 2 ft + 3 in", "m;cm;mm")
  add("{\"category\":1,\"values\":[\"V.5\",\"\",\"\"],\"from\":[5,0,0],\"to\":[4,3,2]}",
      "V.5 mi", "yd;ft;in")
  add("{\"category\":1,\"values\":[\"V.25\",\"\",\"\"],\"from\":[10,0,0],\"to\":[2,0,0],\"options\":{\"places\":30}}",
      "V.25 km", "in")
  add("{\"category\":5,\"values\":[\"V.5\",\"\",\"\"],\"from\":[2,0,0],\"to\":[1,0,0]}",
      "tempF(V.5)", "tempC")
  add("{\"category\":5,\"values\":[\"V\",\"\",\"\"],\"from\":[1,0,0],\"to\":[3,0,0]}",
      "tempC(V)", "K")
  add("{\"category\":8,\"values\":[\"V\",\"\",\"\"],\"from\":[5,0,0],\"to\":[1,0,0],\"options\":{\"places\":30}}",
      "V lb / (500 * 17 in * 22 in)", "g/m^2")
  add("{\"category\":4,\"values\":[\"V\",\"3\",\"\"],\"from\":[3,2,0],\"to\":[8,0,0]}",
      "V lb + 3 oz", "kg")
  add("{\"category\":3,\"values\":[\"V\",\"\",\"\"],\"from\":[6,0,0],\"to\":[11,0,0]}",
      "V gal", "L")
  add("{\"category\":7,\"values\":[\"V\",\"\",\"\"],\"from\":[8,0,0],\"to\":[5,0,0]}",
      "V mph", "km/hr")
  write()
}

function beyond() {
  add("{\"category\":9,\"values\":[\"V\",\"30\",\"\"],\"from\":[8,7,0],\"to\":[7,0,0]}",
      "V hr + 30 min", "min")
  add("{\"category\":10,\"values\":[\"V\",\"\",\"\"],\"from\":[7,0,0],\"to\":[2,0,0]}",
      "V kWh", "J")
  add("{\"category\":11,\"values\":[\"V\",\"\",\"\"],\"from\":[6,0,0],\"to\":[3,0,0]}",
      "V hp", "kW")
  add("{\"category\":12,\"values\":[\"V\",\"\",\"\"],\"from\":[14,0,0],\"to\":[1,0,0],\"options\":{\"places\":30}}",
      "V psi", "Pa")
  add("{\"category\":13,\"values\":[\"V\",\"\",\"\"],\"from\":[5,0,0],\"to\":[2,0,0]}",
      "V lbf", "N")
  add("{\"category\":14,\"values\":[\"V\",\"\",\"\"],\"from\":[1,0,0],\"to\":[4,0,0]}",
      "V deg", "radian")
  add("{\"category\":15,\"values\":[\"V\",\"\",\"\"],\"from\":[20,0,0],\"to\":[14,0,0]}",
      "V GiB", "MB")
  add("{\"category\":16,\"values\":[\"V\",\"\",\"\"],\"from\":[1,0,0],\"to\":[4,0,0]}",
      "1/(V mpg)", "L/100km")
}

function write(  i, k, value, request, have) {
  for (i = 0; i < lines; i++) {
    k = i % count
    value = 1 + i % 9973
    request = z[k]; gsub(/V/, value, request)
    have = h[k]; gsub(/V/, value, have)
    print request > zurmet
    print have > units
    print w[k] > units
  }
}

function add(request, have, want) {
  z[count] = request; h[count] = have; w[count] = want; count++
}
