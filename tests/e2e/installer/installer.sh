#!/usr/bin/env bash
# The installer's commands end to end: register the module in a new desk home, drive a mask
# that the registry leads to, list the classes and the type library, unregister again.
set -uo pipefail
quillet=$1
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
failures=0

fail() {
  echo "FAILED: $*"
  failures=$((failures + 1))
}

drive_fax() {
  printf 'type 304 5551234\nkey Enter\n' | "$quillet" drive "$1" --home "$home" 2>&1
}

expected_send='{"event":"Send","args":["9 5551234-F"]}'

# Not registered: the module beside the program serves the mask.
[ "$(drive_fax Quillet.PNRCreationFax)" = "$expected_send" ] || fail "drive before registration"

"$quillet" register --home "$home" | grep -Eq '^Registered 26 classes and the type library QUILLETLib 1\.0 of /.*libquillet\.so in '"$home"'/Registry\.reg$' ||
  fail "register"
grep -q '^\[HKEY_CLASSES_ROOT\\Quillet\.PNRCreationFax\.1\]$' "$home/Registry.reg" || fail "no ProgID"

# Registered: the registry names the module. Pointed elsewhere, the container follows it.
for name in PNRCreationFax Quillet.PNRCreationFax Quillet.PNRCreationFax.1; do
  [ "$(drive_fax "$name")" = "$expected_send" ] || fail "drive $name through the registry"
done
cp "$home/Registry.reg" "$home/saved.reg"
sed -i 's|^@="/[^"]*libquillet\.so"$|@="/nowhere/libquillet.so"|' "$home/Registry.reg"
case $(drive_fax PNRCreationFax) in
  '{"error":"cannot load the module /nowhere/libquillet.so'*) ;;
  *) fail "drive did not load the registered module" ;;
esac
# A registration without its module is reported, not passed over.
cp "$home/saved.reg" "$home/Registry.reg"
sed -i '/^\[HKEY_CLASSES_ROOT\\CLSID\\{72BC5AA4-CBF6-4E4A-91EC-629EB17AAE0C}\\InprocServer32\]$/,/^$/d' \
  "$home/Registry.reg"
case $(drive_fax Quillet.PNRCreationFax.1) in
  *'{"error":"the registration of Quillet.PNRCreationFax.1 in '"$home"'/Registry.reg is incomplete: no module"}'*) ;;
  *) fail "an incomplete registration" ;;
esac
cp "$home/saved.reg" "$home/Registry.reg"

"$quillet" unregister --home "$home" >/dev/null || fail "unregister"
grep -qi 'quillet\|{72BC5AA4' "$home/Registry.reg" && fail "unregister left keys behind"
[ "$(drive_fax PNRCreationFax)" = "$expected_send" ] || fail "drive after unregistration"

"$quillet" classes | grep -Eq '^PNRCreationFax  Quillet\.PNRCreationFax\.1  \{72BC5AA4-CBF6-4E4A-91EC-629EB17AAE0C\}$' ||
  fail "classes"
# Every class once, in the order of the object map, with its coclass, interface and events.
classes=$("$quillet" classes | cut -d' ' -f1)
[ "$(wc -l <<<"$classes")" -eq 26 ] || fail "classes lists $(wc -l <<<"$classes") classes"
for kind in coclass interface dispinterface; do
  [ "$("$quillet" typelib | sed -n "s/^    $kind _\{0,1\}I\{0,1\}\([A-Za-z]*\)\( : IDispatch\)\{0,1\} {\$/\1/p" |
    sed 's/Events$//')" = "$classes" ] || fail "typelib: the ${kind}s differ from the classes"
done
"$quillet" typelib | grep -A4 '^    interface IPNRCreationFax : IDispatch {$' | diff -u - <(cat <<'IDL'
    interface IPNRCreationFax : IDispatch {
        [id(0x00000001), propget, helpstring("property Lang")]
        HRESULT Lang([out, retval] BSTR* pVal);
        [id(0x00000001), propput, helpstring("property Lang")]
        HRESULT Lang([in] BSTR);
IDL
) || fail "typelib"
# A whole IDL file: before the library it imports the definitions it builds on (IDispatch).
[ "$("$quillet" typelib | grep -v '^//' | grep -m2 .)" = $'import "oaidl.idl";\nimport "ocidl.idl";' ] ||
  fail "typelib: no imports before the library"

[ "$("$quillet" register --home "$home" --bogus 2>&1)" = 'quillet register: unexpected argument "--bogus"' ] ||
  fail "a bad argument"

exit $((failures > 0))
