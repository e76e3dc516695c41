# Zahlen: ggT, Fakultät, Primzahlen und eine Liste


def ggT(a, b):
    """Größter gemeinsamer Teiler"""
    while b != 0:
        a, b = b, a % b
    return a


def fak(n):
    if n <= 1:
        return 1
    return n * fak(n - 1)


def ist_prim(n):
    if n < 2:
        return False
    teiler = 2
    while teiler * teiler <= n:
        if n % teiler == 0:
            return False
        teiler += 1
    return True


def summe(werte):
    s = 0
    for w in werte:
        s = s + w
    return s


n = int(input())
m = int(input())
print("ggT:", ggT(n, m))
print("Fakultät von 5:", fak(5))
primzahlen = []
for i in range(2, n + 1):
    if ist_prim(i):
        primzahlen.append(i)
print("Primzahlen bis", n, "=", len(primzahlen))
print("Summe:", summe(primzahlen))
k = 10
while True:
    k -= 3
    if k < 0:
        break
print("k =", k)
for j in range(10, 0, -3):
    if j % 2 == 0:
        print(j, "gerade")
    elif j == 7:
        print(j, "sieben")
    else:
        print(j, "ungerade")
match m % 3:
    case 0:
        print("durch 3 teilbar")
    case 1 | 2:
        print("Rest", m % 3)
quadrate = [0] * 5
for i in range(5):
    quadrate[i] = i * i
print(quadrate[4], quadrate[2], f"Mitte {quadrate[2] + 1}!")
